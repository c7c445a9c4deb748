#!/usr/bin/env bash
# Installs every package needed to build, run, test and benchmark Vostrel on Debian 12.
# Safe to rerun: packages already present are skipped, and apt is only asked when one is missing.
set -euo pipefail

packages=(
  # compiler and build
  g++ cmake ninja-build pkg-config ccache clang-format
  # toolkit; Qt SVG draws the bundled icons and the logo (its runtime, libqt6svg6, brings the
  # SVG icon engine and image format plugins)
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev qt6-svg-dev
  # the application on Wayland desktops, and logos in WebP, TIFF and the other formats people pick
  qt6-wayland qt6-image-formats-plugins
  # QR symbol generator and decoder
  libqrcodegencpp-dev libzxing-dev
  # a second, independent decoder for the scan check, and zbarimg for reading exports by hand
  libzbar-dev zbar-tools
  # PNG encoding (fast zlib settings) and compression
  zlib1g-dev
  # tests and benchmarks; python3-qrcode is the peer that scripts/bench-peers.sh times a batch against
  libgtest-dev libgmock-dev libbenchmark-dev python3-qrcode
  # headless GUI, screenshots and SVG rendering in tests
  xvfb xauth fonts-dejavu-core librsvg2-bin qt6-qpa-plugins
  # the GLU tessellator that triangulates the caps of extruded 3D shapes
  libglu1-mesa-dev
  # glTF 2.0 reader for the mascot's models (a shared library; it brings its JSON and image readers)
  libtinygltf-dev
  # Mesa's software OpenGL, with which the 3D tests draw under Xvfb
  libgl1-mesa-dri
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "deps.sh: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
echo "deps.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

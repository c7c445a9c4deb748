#!/usr/bin/env bash
# Pictures of the document window for every example document, in light and dark palettes, under
# a virtual X server: out/screenshots/<example>[-dark].png. Safe to rerun.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh default vostrel-screenshot
tool=build/default/tools/vostrel-screenshot
mkdir -p out/screenshots
shoot() { xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb "$tool" "$@"; }
shoot out/screenshots/new-document.png
for doc in examples/*.vostrel; do
  name=$(basename "${doc%.vostrel}")
  shoot "out/screenshots/$name.png" "$doc"
  shoot "out/screenshots/$name-dark.png" "$doc" --dark
done
echo "Screenshots in $(pwd)/out/screenshots/"

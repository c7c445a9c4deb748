#!/usr/bin/env bash
# Installs what is missing, builds Vostrel and runs it. Safe to rerun.
#   scripts/run.sh [FILE…]   opens the documents given, or a new one
# Without a display (no DISPLAY or WAYLAND_DISPLAY) it says so and renders every bundled example
# document to out/ with vostrel-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  bash scripts/build.sh default vostrel
  exec build/default/src/app/vostrel "$@"
fi

echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): rendering the examples instead."
bash scripts/build.sh default vostrel-cli
cli=build/default/src/cli/vostrel-cli
mkdir -p out
for doc in examples/*.vostrel; do
  base=out/$(basename "${doc%.vostrel}")
  "$cli" export "$doc" -o "$base.svg"
  "$cli" export "$doc" -o "$base.png"
done
echo "Rendered $(ls examples/*.vostrel | wc -l) example documents into $(pwd)/out/"

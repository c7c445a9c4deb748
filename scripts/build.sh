#!/usr/bin/env bash
# Configures (once) and builds one CMake preset incrementally: scripts/build.sh [preset] [targets…]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
shift || true
if [ ! -f "build/$preset/build.ninja" ]; then
  cmake --preset "$preset" >/dev/null
fi
cmake --build "build/$preset" ${1:+--target "$@"}

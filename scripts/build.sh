#!/usr/bin/env bash
# Configures (once) and builds one CMake preset incrementally: scripts/build.sh [preset] [targets…]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
shift || true
# ccache stores paths relative to the checkout, so other clones and worktrees share its hits.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
# Configuring again is cheap and picks up subsystem folders added since the last run.
cmake --preset "$preset" >/dev/null
cmake --build "build/$preset" ${1:+--target "$@"}

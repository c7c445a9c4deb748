#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite. Safe to rerun.
#   scripts/test.sh          release build with tests (preset "default")
#   scripts/test.sh asan     the same under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
bash scripts/deps.sh
bash scripts/build.sh "$preset"
QT_QPA_PLATFORM=offscreen ctest --test-dir "build/$preset" --output-on-failure

#!/usr/bin/env bash
# Builds the release benchmarks and prints their table (medians of repeated runs).
# Extra arguments go to Google Benchmark, e.g. scripts/bench.sh --benchmark_filter=pngData
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh default vostrel_bench vostrel_ui_bench
for bench in build/default/bench/vostrel_bench build/default/bench/ui/vostrel_ui_bench; do
  QT_QPA_PLATFORM=offscreen "$bench" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@"
done

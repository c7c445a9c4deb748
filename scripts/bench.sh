#!/usr/bin/env bash
# Builds the release benchmarks and prints their table (medians of repeated runs).
# Extra arguments go to Google Benchmark, e.g. scripts/bench.sh --benchmark_filter=pngData
# The 3D benchmarks draw with OpenGL (Mesa's software rasteriser here), so everything runs on a
# virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh default vostrel_bench vostrel_ui_bench
for bench in build/default/bench/vostrel_bench build/default/bench/ui/vostrel_ui_bench; do
  xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=offscreen "$bench" \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@"
done

#!/usr/bin/env bash
# What the idle mascot costs: the welcome window at its default size under Xvfb with openbox and
# Mesa's software rasteriser, its process's CPU time over a quiet stretch while the mascot idles,
# then again while the window is minimised. Prints percentages of one core.
#
#   bench/mascot_cpu.sh [seconds]      (build first: scripts/build.sh default vostrel)
#
# VOSTREL_BENCH_LOG=FILE keeps what the application prints.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
app=build/default/src/app/vostrel
display=:${VOSTREL_BENCH_DISPLAY:-89}
settings=$(mktemp -d)
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "${vostrel:-}" "${wm:-}" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$settings"
}
trap cleanup EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$settings LIBGL_ALWAYS_SOFTWARE=1
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$app" >"${VOSTREL_BENCH_LOG:-/dev/null}" 2>&1 &
vostrel=$!

# CPU seconds (user + system) the process has used so far.
cpu_seconds() {
    awk -v ticks="$(getconf CLK_TCK)" '{ print ($14 + $15) / ticks }' "/proc/$vostrel/stat"
}
measure() {
    local before after
    before=$(cpu_seconds)
    sleep "$seconds"
    after=$(cpu_seconds)
    awk -v a="$before" -v b="$after" -v s="$seconds" 'BEGIN { printf "%.1f", (b - a) / s * 100 }'
}

sleep 8  # the entrance and the greeting, then idling
echo "idle mascot, welcome window shown:     $(measure)% of one core"
window=$(xdotool search --sync --name "Welcome to Vostrel" | head -n 1)
xdotool windowminimize "$window"
sleep 2
echo "welcome window minimised:              $(measure)% of one core"
xdotool windowmap "$window"
xdotool windowactivate "$window" 2>/dev/null || true
sleep 2
echo "shown again:                           $(measure)% of one core"

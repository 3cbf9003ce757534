#!/usr/bin/env bash
# Measures what the README's Performance section reports: the benchmark
# medians, the start-up time against an empty Qt window, and the processor
# time and peak memory of an idle game in a 1920 x 1080 window.
#   bench/measure.sh [BUILD_DIR]     (default: build; needs Xvfb and openbox)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
work=$(mktemp -d)
cleanup() {
    [ -n "${game:-}" ] && kill "$game" 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "== Benchmarks (medians of 5 runs)"
"$build/orvo_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_color=false 2>/dev/null | grep -E 'median|x$|^Reference'

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 display <&3
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
done

cp "$build/orvo" "$work/"
cp data/High.dat data/Orvo.dat data/Style.dat "$work/"
echo "== Start-up, launch to mapped window, median of 21 (ms)"
echo "orvo:         $("$build/orvo_startup_probe" 21 "$work/orvo")"
echo "empty window: $("$build/orvo_startup_probe" 21 "$build/orvo_empty_window")"

echo "== Idle game in a 1920 x 1080 window"
"$work/orvo" &
game=$!
for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name '^Orvo$' 2>/dev/null | head -n 1) && [ -n "$id" ] && break
    sleep 0.1
done
xdotool windowsize "$id" 1920 1080
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$game/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" 'BEGIN { printf "processor: %.2f%% of one core over 10 s\n", 100 * t / hz / 10 }'
grep VmHWM "/proc/$game/status" | awk '{ printf "peak resident memory: %.1f MiB\n", $2 / 1024 }'

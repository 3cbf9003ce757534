#!/usr/bin/env bash
# Measures what the README's Performance section reports: the benchmark
# medians, the start-up time against an empty Qt window (the two take turns),
# and the processor time and peak memory of an idle game in a 1920 x 1080
# window.
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

cp "$build/orvo" "$build/orvo_empty_window" "$build/orvo_text_window" "$work/"
cp data/High.dat data/Orvo.dat data/Style.dat "$work/"
# The programs start alike: same display, window manager, size and runtime
# folder, taking turns run by run. The target compares the game with the
# empty window; the window with one line of text shows what the font
# system's set-up, which any first text needs, adds to the empty window.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
echo "== Start-up, launch to mapped window and to its first picture, medians of 31 (ms)"
"$build/orvo_startup_probe" 31 "$work/orvo" "$work/orvo_empty_window" "$work/orvo_text_window" | awk '
    { mapped[NR] = $2; drawn[NR] = $3 }
    END {
        printf "orvo:               mapped %5.1f  drawn %5.1f\n", mapped[1], drawn[1]
        printf "empty window:       mapped %5.1f  drawn %5.1f\n", mapped[2], drawn[2]
        printf "window with a text: mapped %5.1f  drawn %5.1f\n", mapped[3], drawn[3]
        printf "orvo / empty window (drawn): %.2f\n", drawn[1] / drawn[2]
        printf "orvo / window with a text (drawn): %.2f\n", drawn[1] / drawn[3]
    }'

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

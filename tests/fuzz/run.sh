#!/usr/bin/env bash
# Runs every fuzz target for a bounded time from its seed corpus.
#   tests/fuzz/run.sh [SECONDS_EACH]      (default 60; needs the "fuzz" build)
# New inputs go to a scratch folder, so the committed corpus stays as it is.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for pair in record:fuzz_record high:fuzz_high_dat style:fuzz_style_dat; do
    corpus=${pair%%:*}
    target=${pair##*:}
    mkdir -p "$work/$corpus"
    echo "== $target, ${seconds} s"
    "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -max_len=70000 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$work/" "$work/$corpus" "tests/fuzz/corpus/$corpus" 2>&1 |
        grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ *DONE)|ERROR|property failed|SUMMARY' || true
    if ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* >/dev/null 2>&1; then
        echo "$target found a fault; the input is kept in tests/fuzz/found/"
        mkdir -p tests/fuzz/found
        cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* tests/fuzz/found/ 2>/dev/null || true
        exit 1
    fi
done

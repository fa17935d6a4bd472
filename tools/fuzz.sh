#!/bin/sh
# Runs each fuzzer for a set time on its growing corpus (seeded from
# fuzz/corpus). A crash leaves its input in the build folder: add it to
# fuzz/regressions/<target>/ once fixed.
set -e
build=${1:-build-fuzz}
seconds=${2:-60}
root=$(dirname "$(realpath "$0")")/..
for target in designfile settings smallfiles stamplist picturefile; do
    work="$build/corpus-full-$target"
    mkdir -p "$work"
    cp -n "$root/fuzz/corpus/$target/"* "$work/" 2>/dev/null || true
    echo "== fuzz_$target for $seconds s"
    ASAN_OPTIONS=detect_leaks=1 "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/" "$work" 2>&1 | grep -E '^(stat::|Done|==|SUMMARY)' || true
    if ls "$build"/crash-* "$build"/leak-* "$build"/timeout-* >/dev/null 2>&1; then
        echo "fuzz_$target found a failing input:"; ls "$build"/crash-* "$build"/leak-* "$build"/timeout-* 2>/dev/null
        exit 1
    fi
done

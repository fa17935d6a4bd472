#!/bin/sh
# Builds nothing; runs the benchmarks of a build folder under Xvfb and
# prints one table. Usage: tools/bench.sh build
set -e
build=$(realpath "${1:-build}")
if [ -z "$PLENVIK_IN_XVFB" ]; then
    PLENVIK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$build"
fi
export XDG_RUNTIME_DIR="$build/xdg-runtime"
mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
json="$build/bench-inprocess.json"
"$build/bench/bench_plenvik" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_out="$json" --benchmark_out_format=json >/dev/null
"$build/bench/bench_process" "$json"

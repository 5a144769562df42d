#!/usr/bin/env bash
# Builds the benchmarks in Release (no sanitizers) and runs them all: the in-process
# benchmarks (median of 5 repetitions), then tomaro-cli replaying 100,000 keys and playing
# 100 MB inputs (a digit run, short tokens, standard input) for speed and peak memory, the
# window under Xvfb, tomaro-tui in tmux, and the run command's start in a terminal.
#
#   bench/run_benchmarks.sh [BUILD_DIR] [-- BENCHMARK_OPTION...]
#
# BUILD_DIR defaults to build-bench at the top of the source tree. Options after "--" go to
# tomaro-bench, e.g. --benchmark_filter=ExpandDecimal.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(cd "${here}/.." && pwd)
build_dir=${source_dir}/build-bench
if [[ $# -gt 0 && $1 != -- ]]; then build_dir=$1; shift; fi
if [[ $# -gt 0 && $1 == -- ]]; then shift; fi

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DTOMARO_SANITIZE=OFF \
    -DTOMARO_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" -j2 --target tomaro-bench tomaro-key-mix tomaro-cli >/dev/null

"${build_dir}/bench/tomaro-bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true "$@"
echo
echo "tomaro-cli --keys-from, 100,000 keys, then 100 MB inputs:"
"${here}/cli_replay.sh" "$build_dir" 7
echo
echo "tomaro under Xvfb:"
cmake --build "$build_dir" -j2 --target tomaro >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/python3 "${here}/window_bench.py" \
    "${build_dir}/platform/qt/tomaro" 15 200 2>/dev/null
echo
echo "tomaro-tui in tmux (80 x 24):"
cmake --build "$build_dir" -j2 --target tomaro-tui >/dev/null
/usr/bin/python3 "${here}/tui_bench.py" "${build_dir}/platform/terminal/tomaro-tui" 15 200 \
    "${source_dir}/scripts/run.sh"

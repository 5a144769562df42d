#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: once optimised, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j"$jobs"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTOMARO_SANITIZE=ON -DTOMARO_BENCHMARKS=OFF
cmake --build build/sanitize -j"$jobs"

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "== Tests, optimised build"
ctest --test-dir build/release --output-on-failure -j"$jobs"
echo "== Tests, sanitizer build (the Debian package is built once, above)"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs" -E '^debian_package$'

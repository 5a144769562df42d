#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: once optimised, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails the run; then
# fuzzes tomaro-cli's input for a minute and the paste parser for half a minute (clang,
# libFuzzer), where any finding fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

# Every option named: scripts/run.sh may have configured build/release for one host alone.
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTOMARO_WINDOW=ON -DTOMARO_TERMINAL=ON \
    -DTOMARO_TESTS=ON -DTOMARO_BENCHMARKS=ON
cmake --build build/release -j"$jobs"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTOMARO_SANITIZE=ON -DTOMARO_BENCHMARKS=OFF
cmake --build build/sanitize -j"$jobs"

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "== Tests, optimised build"
ctest --test-dir build/release --output-on-failure -j"$jobs"
echo "== The web page: its build, the number text's test under Node, the browser test"
scripts/build-web.sh
# Emscripten's tools need Debian's acorn, as in build-web.sh.
NODE_PATH=/usr/share/nodejs cmake --build build/web-cmake -j"$jobs" --target number_text_test
ctest --test-dir build/web-cmake --output-on-failure
(cd tests/web && npm ci --no-audit --no-fund)
node --test tests/web/web_test.mjs

echo "== Tests, sanitizer build (the Debian package is built once, above)"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs" -E '^debian_package$'

echo "== Fuzzing tomaro-cli's input for 60 s and the paste parser for 30 s (clang, libFuzzer, ASan and UBSan)"
cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOMARO_SANITIZE=ON -DTOMARO_FUZZ=ON -DTOMARO_WINDOW=OFF \
    -DTOMARO_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
cmake --build build/fuzz -j"$jobs" --target tomaro-cli-fuzz tomaro-paste-fuzz
# The fuzzer adds what it finds to its corpus: a copy, so that the repository stays as it is.
corpus=$(mktemp -d)
paste_corpus=$(mktemp -d)
trap 'rm -rf "$corpus" "$paste_corpus"' EXIT
cp tests/fuzz/corpus/* "$corpus"
cp tests/fuzz/paste_corpus/* "$paste_corpus"
build/fuzz/tests/fuzz/tomaro-cli-fuzz -max_total_time=60 -timeout=10 -max_len=16384 \
    -close_fd_mask=3 -print_final_stats=1 -artifact_prefix=build/fuzz/ "$corpus"
build/fuzz/tests/fuzz/tomaro-paste-fuzz -max_total_time=30 -timeout=10 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/paste- "$paste_corpus"

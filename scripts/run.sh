#!/usr/bin/env bash
# Sets everything up, builds, and starts the calculator on the keys given as arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh >&2
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$(nproc)" --target tomaro-cli >/dev/null
exec build/release/cli/tomaro-cli "$@"

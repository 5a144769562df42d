#!/usr/bin/env bash
# Sets everything up, builds, and starts the calculator window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh >&2
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$(nproc)" --target tomaro tomaro-cli >/dev/null
exec build/release/platform/qt/tomaro "$@"

#!/usr/bin/env bash
# Times tomaro-cli replaying a key file of 100,000 keys (the benchmark's mixed key stream)
# and prints the keys per second of each run and their median.
#
#   bench/cli_replay.sh [BUILD_DIR [RUNS]] [-- CLI_OPTION...]
#
# BUILD_DIR is a Release build holding cli/tomaro-cli and bench/tomaro-key-mix (default:
# build-bench next to this folder); RUNS defaults to 7. Options after "--" go to
# tomaro-cli (--trace, for one, prints every key's display). Set KEYS to change the count.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${here}/../build-bench
runs=7
if [[ $# -gt 0 && $1 != -- ]]; then build_dir=$1; shift; fi
if [[ $# -gt 0 && $1 != -- ]]; then runs=$1; shift; fi
if [[ $# -gt 0 && $1 == -- ]]; then shift; fi
cli_options=("$@")
keys=${KEYS:-100000}
target=1000000

cli=${build_dir}/cli/tomaro-cli
mix=${build_dir}/bench/tomaro-key-mix
for tool in "$cli" "$mix"; do
    if [[ ! -x $tool ]]; then
        echo "cli_replay.sh: $tool is missing; build it with" >&2
        echo "  cmake --build $build_dir --target tomaro-cli tomaro-key-mix" >&2
        exit 2
    fi
done
if ! [[ $runs =~ ^[1-9][0-9]*$ && $keys =~ ^[1-9][0-9]*$ ]]; then
    echo "cli_replay.sh: RUNS and KEYS must be positive whole numbers" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
key_file=${work}/keys.txt
"$mix" "$keys" >"$key_file"

# Clocks read by bash itself, so that no forked process is timed with a run: the wall
# clock in microseconds, and the processor time (user + system) of the finished children
# in milliseconds.
wall_us() { local t=${EPOCHREALTIME/[.,]/}; wall=$((10#$t)); }
to_ms() {  # "1m2.345s" -> 62345, into ms
    local minutes=${1%%m*} seconds=${1#*m}
    seconds=${seconds%s}
    ms=$((10#$minutes * 60000 + 10#${seconds%.*} * 1000 + 10#${seconds#*.}))
}
children_cpu_ms() {
    local user system
    times >"${work}/times"
    { read -r _ _; read -r user system; } <"${work}/times"
    to_ms "$user"
    cpu=$ms
    to_ms "$system"
    cpu=$((cpu + ms))
}

# One run first, unmeasured, to warm the caches and to see that the file is accepted.
if ! "$cli" "${cli_options[@]}" --keys-from "$key_file" >/dev/null; then
    echo "cli_replay.sh: tomaro-cli refused the key file" >&2
    exit 1
fi

rates=() cpu_rates=()
for ((i = 1; i <= runs; i++)); do
    children_cpu_ms
    cpu_before=$cpu
    wall_us
    start=$wall
    "$cli" "${cli_options[@]}" --keys-from "$key_file" >/dev/null
    wall_us
    elapsed=$((wall - start))
    children_cpu_ms
    cpu_ms=$((cpu - cpu_before))
    rates+=($((keys * 1000000 / elapsed)))
    # A run shorter than the clock's millisecond counts as one millisecond.
    cpu_rates+=($((keys * 1000 / (cpu_ms > 0 ? cpu_ms : 1))))
    printf 'run %d: %d keys in %d.%03d ms (processor %d ms): %d keys/s (%d keys/s of processor time)\n' \
        "$i" "$keys" $((elapsed / 1000)) $((elapsed % 1000)) "$cpu_ms" "${rates[-1]}" \
        "${cpu_rates[-1]}"
done

middle() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
median=$(middle "${rates[@]}")
cpu_median=$(middle "${cpu_rates[@]}")
verdict=$([[ $median -ge $target ]] && echo "meets" || echo "misses")
printf 'median: %d keys/s of wall-clock time (%s the target of %d keys/s)\n' "$median" "$verdict" \
    "$target"
printf 'median: %d keys/s of processor time (user + system; a busy machine slows the wall clock)\n' \
    "$cpu_median"

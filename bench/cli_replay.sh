#!/usr/bin/env bash
# Times tomaro-cli replaying a key file of 100,000 keys (the benchmark's mixed key stream)
# and prints the keys per second of each run and their median. Then plays three large
# inputs once each and prints their keys per second and peak resident memory: a file of
# one digit run, a file of short number tokens, and the short tokens through a pipe on
# standard input.
#
#   bench/cli_replay.sh [BUILD_DIR [RUNS]] [-- CLI_OPTION...]
#
# BUILD_DIR is a Release build holding cli/tomaro-cli and bench/tomaro-key-mix (default:
# build-bench next to this folder); RUNS defaults to 7. Options after "--" go to
# tomaro-cli (--trace, for one, prints every key's display). Set KEYS to change the count,
# LARGE_MB the size of the large inputs (default 100; 0 skips them).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${here}/../build-bench
runs=7
if [[ $# -gt 0 && $1 != -- ]]; then build_dir=$1; shift; fi
if [[ $# -gt 0 && $1 != -- ]]; then runs=$1; shift; fi
if [[ $# -gt 0 && $1 == -- ]]; then shift; fi
cli_options=("$@")
keys=${KEYS:-100000}
large_mb=${LARGE_MB:-100}
target=2000000
most_rss_kb=$((16 * 1024))  # a key file's peak resident memory, at most

cli=${build_dir}/cli/tomaro-cli
mix=${build_dir}/bench/tomaro-key-mix
for tool in "$cli" "$mix"; do
    if [[ ! -x $tool ]]; then
        echo "cli_replay.sh: $tool is missing; build it with" >&2
        echo "  cmake --build $build_dir --target tomaro-cli tomaro-key-mix" >&2
        exit 2
    fi
done
if ! [[ $runs =~ ^[1-9][0-9]*$ && $keys =~ ^[1-9][0-9]*$ && $large_mb =~ ^[0-9]+$ ]]; then
    echo "cli_replay.sh: RUNS and KEYS must be positive whole numbers, LARGE_MB a whole number" >&2
    exit 2
fi
if [[ $large_mb -gt 0 && ! -x /usr/bin/time ]]; then
    echo "cli_replay.sh: /usr/bin/time is missing (Debian package time)" >&2
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

[[ $large_mb -gt 0 ]] || exit 0
# Large inputs, made here rather than kept: one run of digits, and 7-digit tokens.
bytes=$((large_mb * 1000 * 1000))
yes 1234567 | tr -d '\n' | head -c "$bytes" >"${work}/run.txt" || true
yes 1234567 | tr '\n' ' ' | head -c "$bytes" >"${work}/tokens.txt" || true
run_keys=$bytes
token_keys=$((bytes / 8 * 7 + (bytes % 8 < 7 ? bytes % 8 : 7)))

# Plays one input under /usr/bin/time; prints keys per second and peak resident memory.
large() {
    local name=$1 count=$2
    shift 2
    "$@" 2>"${work}/time" >/dev/null || {
        echo "cli_replay.sh: $name failed: $(cat "${work}/time")" >&2
        exit 1
    }
    local elapsed rss
    read -r elapsed rss <"${work}/time"
    local ms=$((10#${elapsed%.*} * 1000 + 10#${elapsed#*.} * 10))
    printf '%-34s %10d keys in %6d ms: %9d keys/s, peak RSS %7d KiB\n' "$name" "$count" "$ms" \
        $((count * 1000 / (ms > 0 ? ms : 1))) "$rss"
    last_rss=$rss
}
echo
echo "${large_mb} MB inputs (peak resident memory of a key file at most $((most_rss_kb / 1024)) MiB):"
large "file, one digit run" "$run_keys" /usr/bin/time -f '%e %M' "$cli" --keys-from "${work}/run.txt"
run_rss=$last_rss
large "file, 7-digit tokens" "$token_keys" /usr/bin/time -f '%e %M' "$cli" \
    --keys-from "${work}/tokens.txt"
tokens_rss=$last_rss
large "standard input, 7-digit tokens" "$token_keys" bash -c \
    '/usr/bin/time -f "%e %M" "$0" --keys-from - <"$1"' "$cli" "${work}/tokens.txt"
for rss in "$run_rss" "$tokens_rss"; do
    if [[ $rss -gt $most_rss_kb ]]; then
        echo "a key file took ${rss} KiB, more than ${most_rss_kb} KiB" >&2
        exit 1
    fi
done

#!/usr/bin/env bash
# Conversion speed and memory, measured against copying the same file.
# Generates the workloads in a temporary folder, runs zrlconv-cli on each
# (median of RUNS runs, 5 by default) and prints the figures with their
# targets; then the phases inside one process and the window next to
# zrlconv-cli. Not part of test.sh: nothing here passes or fails a build.
# ZRLCONV_CLI=PATH measures another build of zrlconv-cli, an older one say.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" time
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target zrlconv-cli generate-record phases_bench window_bench >/dev/null

runs=${RUNS:-5}
cli=${ZRLCONV_CLI:-build/cli/zrlconv-cli}
work=$(mktemp -d "${TMPDIR:-/tmp}/zrlconv-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Median wall time in seconds of a command run $runs times.
median_seconds() {
    local times=()
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=("$(( end - start ))")
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{t[NR]=$1} END {printf "%.4f", t[int((NR+1)/2)]/1e9}'
}

megabytes() { stat -c %s "$1" | awk '{printf "%.1f", $1/1048576}'; }

generate() { build/bench/generate-record "$@"; }

echo "ZRLConv benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, median of $runs runs"
echo

headline="$work/events-1m.zrl2"
generate events 1000000 >"$headline"
size=$(megabytes "$headline")
copy_time=$(median_seconds cp "$headline" "$work/copy")
cli_time=$(median_seconds "$cli" "$headline" "$work/out.zrl1")
peak_kb=$( { /usr/bin/time -f %M "$cli" "$headline" "$work/out.zrl1"; } 2>&1 >/dev/null | tail -1)
awk -v size="$size" -v cp="$copy_time" -v t="$cli_time" -v kb="$peak_kb" 'BEGIN {
    printf "headline: 1,000,000 events, %.1f MB\n", size
    printf "  cp INPUT COPY           %8.3f s\n", cp
    printf "  zrlconv-cli INPUT OUT   %8.3f s  %6.1f MB/s  %5.1f x cp (target at most 6)\n", t, size / t, t / cp
    printf "  peak resident memory    %8.1f MB  %5.2f x input (target at most 2.5)\n", kb / 1024, kb / 1024 / size
}'
headline_per_mb=$(awk -v t="$cli_time" -v size="$size" 'BEGIN {printf "%.6f", t / size}')
echo

large="$work/events-10m.zrl2"
generate events 10000000 >"$large"
large_time=$(median_seconds "$cli" "$large" "$work/out.zrl1")
awk -v t="$large_time" -v base="$cli_time" -v size="$(megabytes "$large")" 'BEGIN {
    printf "scaling: 10,000,000 events, %.1f MB: %.3f s, %.1f x the headline (target at most 11)\n", size, t, t / base
}'
rm -f "$large"
echo

echo "pathological inputs, time per MB against the headline's $(awk -v p="$headline_per_mb" 'BEGIN {printf "%.2f", p * 1000}') ms/MB (target at most 3 x):"
pathological() {
    local name=$1
    shift
    local input="$work/$name.zrl2"
    generate "$@" >"$input"
    local t
    t=$(median_seconds "$cli" "$input" "$work/out.zrl1")
    awk -v name="$name" -v t="$t" -v size="$(megabytes "$input")" -v base="$headline_per_mb" 'BEGIN {
        printf "  %-34s %7.1f MB %8.3f s %8.2f ms/MB %5.2f x\n", name, size, t, t / size * 1000, t / size / base
    }'
    rm -f "$input"
}
pathological "100,000 chq lines, count 100,000" headquarters 100000
pathological "one line of 50 MB" long-line 50000000
pathological "10,000,000 leading spaces" leading-spaces 10000000
pathological "1,000,000 unknown elements" unknown 1000000
pathological "1,000,000 blank lines" blank 1000000
echo

build/bench/phases_bench "$headline" "$work/out.zrl1" "$runs"
echo
QT_QPA_PLATFORM=offscreen build/bench/window_bench "$headline" "$cli" "$runs" 2>/dev/null

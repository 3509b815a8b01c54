#!/usr/bin/env bash
# Runs each fuzzer for a bounded time, starting from its committed seeds and
# earlier findings. An input that breaks a property is copied into
# tests/fuzz/regressions/TARGET/, where it is kept (commit it) and run as an
# ordinary test from then on; the run then fails.
#
#   scripts/fuzz.sh [BUILD-FOLDER] [SECONDS-PER-TARGET]
#
# The random choices start from FUZZ_SEED (1 by default), so that a run of
# the tests tries the same inputs each time; set another to explore further.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-sanitize}
seconds=${2:-60}
seed=${FUZZ_SEED:-1}

for target in record text; do
    work=$(mktemp -d "${TMPDIR:-/tmp}/zrlconv-fuzz-XXXXXX")
    mkdir "$work/corpus"
    cp tests/fuzz/corpus/"$target"/* "$work/corpus/"
    if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -seed="$seed" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/" "$work/corpus" "tests/fuzz/regressions/$target" >"$work/log" 2>&1; then
        echo "fuzz_$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$work/log"), no property broken"
        rm -rf "$work"
        continue
    fi
    tail -n 30 "$work/log" >&2
    for finding in "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$work"/leak-*; do
        [ -e "$finding" ] || continue
        cp "$finding" "tests/fuzz/regressions/$target/"
        echo "fuzz_$target: kept $(basename "$finding") in tests/fuzz/regressions/$target/" >&2
    done
    rm -rf "$work"
    exit 1
done

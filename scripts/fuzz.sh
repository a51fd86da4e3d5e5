#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while on its seeds.
# Usage: scripts/fuzz.sh SEED_ROOT   (seeds are read from SEED_ROOT/<target>/)
# FUZZ_SECONDS overrides the time per target (the picture decoder gets the most).
set -euo pipefail
cd "$(dirname "$0")/.."
seed_root=${1:?usage: scripts/fuzz.sh SEED_ROOT}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target kelvo_fuzzers

for fuzzer in build/fuzz/fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    # With tests built beside them, each target also has a plain replay program.
    [[ "$name" == *_replay ]] && continue
    seconds=${FUZZ_SECONDS:-20}
    [ "$name" = fuzz_decoder ] && seconds=${FUZZ_SECONDS:-60}
    corpus=build/fuzz/corpus/$name
    mkdir -p "$corpus"
    dirs=("$corpus")
    for d in "$seed_root/$name" "fuzz/seeds/$name" "fuzz/regressions/$name"; do
        [ -d "$d" ] && dirs+=("$d")
    done
    echo "-- $name for ${seconds}s"
    log=build/fuzz/$name.log
    rc=0
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/$name-" "${dirs[@]}" >"$log" 2>&1 || rc=$?
    if [ "$rc" -ne 0 ]; then
        tail -n 60 "$log"
        echo "$name found a crash (input saved under build/fuzz/$name-*)"
        exit 1
    fi
    grep -E '^(stat::number_of_executed_units|#[0-9]+.*DONE)' "$log" || tail -n 3 "$log"
done

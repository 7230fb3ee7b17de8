#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   fuzz/run.sh            about 30 seconds per target (what test.sh runs)
#   fuzz/run.sh 3600       an hour per target
# New inputs go to a scratch corpus under build-fuzz/; the committed seeds stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
dir=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORDAL_FUZZ=ON -DKORDAL_BUILD_BENCH=OFF -DKORDAL_WERROR=ON >/dev/null
targets=(engine_fuzz input_fuzz file_fuzz)
# fontconfig, loaded by Qt for the line edit, keeps caches that live until exit.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
cmake --build "$dir" --target "${targets[@]}"

for target in "${targets[@]}"; do
    seeds="fuzz/corpus/${target%_fuzz}"
    scratch="$dir/corpus/${target%_fuzz}"
    log="$dir/$target.log"
    mkdir -p "$scratch"
    echo "== $target for ${seconds}s"
    if ! "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$dir/" "$scratch" "$seeds" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$target failed; the input that did it is in $dir/"
        exit 1
    fi
    grep -E '^stat::number_of_executed_units' "$log"
done

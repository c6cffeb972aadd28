#!/usr/bin/env bash
# Fuzzes the save-file reader and the store's reading of numbers with
# libFuzzer (clang), each for a bounded time from the seed corpus in fuzz/.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
# New inputs go to build-fuzz/corpus/; crashes to build-fuzz/crashes/ — turn
# every crash into a regression case in the test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
TAROVIN_SETUP_EXTRA="clang libclang-rt-14-dev" scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=fuzzer-no-link,address,undefined" -DTAROVIN_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_store_number fuzz_savefile
mkdir -p build-fuzz/crashes
status=0
for target in fuzz_store_number fuzz_savefile; do
    seeds=fuzz/corpus/${target#fuzz_}
    work=build-fuzz/corpus/${target#fuzz_}
    mkdir -p "$work"
    echo "== $target for ${seconds}s"
    set +e
    QT_QPA_PLATFORM=offscreen build-fuzz/fuzz/$target -max_total_time="$seconds" -max_len=65536 \
        -artifact_prefix=build-fuzz/crashes/$target- -print_final_stats=1 "$work" "$seeds" >"build-fuzz/$target.log" 2>&1
    rc=$?
    set -e
    grep -E "stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY|Done" "build-fuzz/$target.log" || true
    [[ $rc -eq 0 ]] || status=1
done
ls build-fuzz/crashes
exit $status

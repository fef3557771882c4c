#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang-16 (libFuzzer + ASan + UBSan) and runs
# each for the given seconds: fuzz.sh [SECONDS] [TARGET ...] (default 60,
# every target). A finding fails the run; its input is copied to
# fuzz/regressions/TARGET/, which the ordinary suite replays. Long campaigns:
# fuzz.sh 1800.
set -euo pipefail
cd "$(dirname "$0")/.."
sekundy=${1:-60}
shift || true
cele=("$@")
[ ${#cele[@]} -gt 0 ] || cele=(otworz tokeny)

CC=clang-16 CXX=clang++-16 cmake -S . -B fuzz-build -G Ninja -DWOLUMAT_FUZZ=ON -DWOLUMAT_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build fuzz-build

roboczy=$(mktemp -d)
trap 'rm -rf "$roboczy"' EXIT
wynik=0
for cel in "${cele[@]}"; do
    mkdir -p "$roboczy/$cel/korpus" "$roboczy/$cel/znaleziska"
    echo "== fuzz_$cel for ${sekundy}s"
    if ! fuzz-build/fuzz/fuzz_"$cel" -max_total_time="$sekundy" -max_len=8192 -dict=fuzz/wolumat.dict \
        -print_final_stats=1 -artifact_prefix="$roboczy/$cel/znaleziska/" \
        "$roboczy/$cel/korpus" "fuzz/corpus/$cel" >"$roboczy/$cel/log" 2>&1; then
        wynik=1
        tail -n 40 "$roboczy/$cel/log"
        mkdir -p "fuzz/regressions/$cel"
        cp "$roboczy/$cel/znaleziska/"* "fuzz/regressions/$cel/" 2>/dev/null || true
        echo "fuzz_$cel: finding copied to fuzz/regressions/$cel/"
    fi
    grep -E '^(stat::number_of_executed_units|stat::new_units_added)|cov:' "$roboczy/$cel/log" | tail -n 3
done
exit "$wynik"

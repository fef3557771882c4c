#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs the whole suite twice: a
# normal build, and one under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
rownolegle=$(nproc)

bash scripts/build.sh build -DWOLUMAT_BENCH=ON
ctest --test-dir build --output-on-failure -j "$rownolegle"

bash scripts/fuzz.sh 60

bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DWOLUMAT_SANITIZE=ON
ctest --test-dir build-asan --output-on-failure -j "$rownolegle"

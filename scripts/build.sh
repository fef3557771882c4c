#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds one build directory: build.sh DIR [extra cmake options].
set -euo pipefail
cd "$(dirname "$0")/.."
katalog=$1
shift
cmake -S . -B "$katalog" -G Ninja -DWOLUMAT_WERROR=ON "$@" >/dev/null
cmake --build "$katalog"

#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build.sh build
if [ -x build/app/wolumat ]; then
    exec build/app/wolumat
fi
echo "Built the libraries; the program itself is not there yet."

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, as root on Debian 12, the packages the build and the tests need;
# apt-get runs only when one of them is missing.
set -euo pipefail

pakiety=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev libqt6svg6 fonts-dejavu-core
    libgtest-dev libgmock-dev libsqlite3-dev
    xvfb xdotool xclip
    desktop-file-utils appstream dpkg-dev lintian man-db
    clang-16 libclang-rt-16-dev
    dosfstools fusefat exfatprogs exfat-fuse ntfs-3g xfsprogs btrfs-progs bindfs
)

brakujace=()
for p in "${pakiety[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        brakujace+=("$p")
    fi
done

if [ ${#brakujace[@]} -gt 0 ]; then
    echo "Installing: ${brakujace[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${brakujace[@]}"
fi

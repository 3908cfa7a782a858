#!/usr/bin/env bash
# Installs the Debian 12 packages the program, its tests, benchmarks and screenshots need,
# asking apt only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-webengine-dev libqt6opengl6-dev libgl-dev
    libsqlite3-dev libjpeg62-turbo-dev
    libminizip-dev libfreexl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-noto-cjk fonts-wqy-microhei
    poppler-utils
    xvfb xauth openbox xdotool x11-utils
    dpkg-dev file desktop-file-utils appstream
    strace sqlite3 python3
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

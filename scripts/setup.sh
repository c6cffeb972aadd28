#!/usr/bin/env bash
# Installs what the game needs to build and run (Debian 12 packages), then
# configures and builds it in ./build. Safe to run again: it installs only
# what is missing and rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins
    qt6-translations-l10n libgl-dev
    fonts-noto-cjk xvfb xauth
    pulseaudio pulseaudio-utils
    desktop-file-utils appstream dpkg-dev file lintian
)
if [[ "${TAROVIN_SETUP_EXTRA:-}" != "" ]]; then
    read -r -a extra <<<"$TAROVIN_SETUP_EXTRA"
    packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir="${TAROVIN_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${TAROVIN_BUILD_TYPE:-RelWithDebInfo}" ${TAROVIN_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j"$(nproc)"

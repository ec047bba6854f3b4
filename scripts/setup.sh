#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds
# into build/ (BUILD_DIR; BUILD_TYPE, RelWithDebInfo by default; CMAKE_ARGS go to cmake): the
# targets named, or everything (the game, its data folder, the tests and the benchmarks).
# Usage: scripts/setup.sh [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    cmake g++ make pkg-config
    libsdl2-dev libepoxy-dev libgl-dev libgl1-mesa-dri
    libpng-dev zlib1g-dev libjpeg-dev libfreetype-dev
    libopenal-dev libvorbis-dev libcairo2-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-cabinsketch
    xvfb xauth
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Installing packages needs root: run this as root, or install sudo." >&2
            exit 1
        fi
        SUDO="sudo"
    fi
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_ARGS:-}
targets=()
for t in "$@"; do
    targets+=(--target "$t")
done
cmake --build "$BUILD_DIR" -j "$(nproc)" "${targets[@]}"

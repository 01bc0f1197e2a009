#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Shared set-up of run.sh and test.sh: installs the Debian packages that are missing, configures and builds
# into build/ and writes the sample course content into build/content. "./setup.sh packages" installs the
# packages alone (sanitize.sh builds elsewhere).
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libjpeg-dev libgif-dev libsndfile1-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth x11-utils xdotool libxcb1-dev libxcb-damage0-dev openbox
  desktop-file-utils appstream librsvg2-bin dpkg-dev file libjpeg-turbo-progs
  clang libclang-rt-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${1:-}" = "packages" ]; then exit 0; fi

cd "$(dirname "$0")"
BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
EXTRA=()
if [ "${CI:-}" = "true" ]; then EXTRA+=(-DVEDARIUM_WERROR=ON); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$BUILD_TYPE" "${EXTRA[@]}"
cmake --build build -j"$(nproc)"
cmake --build build --target content

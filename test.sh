#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, writes the sample course content and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" "$@"

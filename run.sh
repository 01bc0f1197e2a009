#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, writes the sample course content and starts the program in it.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cd build/content
exec ../vedarium

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the program, every test and the fuzz replays with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer into build-asan/ (nothing is shared with build/) and runs every test there. Lean: no benchmarks
# and no dump tools; optimised lightly, which is how the sanitizers run fastest for their checks. Warnings are
# not errors here: the instrumentation makes g++ warn about code it has rewritten (the normal build checks them).
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh packages
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g -DNDEBUG" \
  -DVEDARIUM_SANITIZE=ON -DVEDARIUM_BENCH=OFF -DVEDARIUM_TOOLS=OFF
cmake --build build-asan -j"$(nproc)"
cmake --build build-asan --target content
cd build-asan
ctest --output-on-failure -j"$(nproc)" "$@"

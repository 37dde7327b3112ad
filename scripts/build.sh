#!/usr/bin/env bash
# Configures and builds into build/ (shared by run and test).
set -euo pipefail
cd "$(dirname "$0")/.."
extra=()
if [ "${CI:-}" = "true" ]; then extra+=(-DKELVOA_WERROR=ON); fi
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
fi
cmake --build build -j"$(nproc)"

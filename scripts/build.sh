#!/usr/bin/env bash
# Configures and builds into build/ (shared by run and test).
set -euo pipefail
cd "$(dirname "$0")/.."
extra=()
if [ "${CI:-}" = "true" ]; then extra+=(-DKELVOA_WERROR=ON); fi
# Worktrees of one checkout share compiled objects when ccache is there.
if command -v ccache >/dev/null 2>&1; then
  extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd .. && pwd)}"
fi
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
fi
cmake --build build -j"$(nproc)"

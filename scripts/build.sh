#!/usr/bin/env bash
# Configures (once) and builds the project into build/, incrementally. With --werror (the project's own
# checks) warnings are errors; a plain build only shows them.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[ "${1:-}" = --werror ] && werror=ON
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIKAROO_WERROR=$werror
elif [ $werror = ON ] && ! grep -q '^TIKAROO_WERROR:BOOL=ON$' build/CMakeCache.txt; then
  cmake -S . -B build -DTIKAROO_WERROR=ON
fi
cmake --build build

#!/usr/bin/env bash
# Configures and builds everything into BUILD_DIR (default: build), installing what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
bash "$root/tools/setup.sh"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-mingw.cmake" >/dev/null
fi
cmake --build "$build" -- -k 0 "$@"

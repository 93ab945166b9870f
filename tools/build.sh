#!/usr/bin/env bash
# Configures and builds both flavours, each in a folder of its own (BUILD_DIR/x86 and
# BUILD_DIR/x64; BUILD_DIR defaults to build), installing what is missing. QLM_FLAVOURS
# names fewer ("x64"); arguments name targets to build instead of all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
bash "$root/tools/setup.sh"
for flavour in ${QLM_FLAVOURS:-x86 x64}; do
  case $flavour in
    x86) toolchain=i686-mingw.cmake ;;
    x64) toolchain=x86_64-mingw.cmake ;;
    *) echo "build.sh: no flavour $flavour (x86 or x64)" >&2; exit 2 ;;
  esac
  if [ ! -f "$build/$flavour/build.ninja" ]; then
    cmake -S "$root" -B "$build/$flavour" -G Ninja -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" -DQLM_DIST_DIR="$build/dist" >/dev/null
  fi
  cmake --build "$build/$flavour" -- -k 0 "$@"
done

# One ctest over every flavour built here: `cd build && ctest`.
{
  echo "# Written by tools/build.sh: one ctest run over the tests of the flavours built."
  for flavour in x86 x64; do
    [ -f "$build/$flavour/CTestTestfile.cmake" ] && echo "subdirs(\"$flavour\")"
  done
} > "$build/CTestTestfile.cmake"

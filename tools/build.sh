#!/usr/bin/env bash
# Configures and builds both flavours, each in a folder of its own (BUILD_DIR/x86 and
# BUILD_DIR/x64; BUILD_DIR defaults to build), installing what is missing. QLM_FLAVOURS
# names fewer ("x64"); QLM_BUILD_TYPE another build type than Release; arguments name
# targets to build instead of all. A flavour is configured again, from a fresh cache, when
# what configured it changed: its toolchain file, the build type or the configure arguments.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
bash "$root/tools/setup.sh"
for flavour in ${QLM_FLAVOURS:-x86 x64}; do
  case $flavour in
    x86) toolchain=$root/cmake/i686-mingw.cmake ;;
    x64) toolchain=$root/cmake/x86_64-mingw.cmake ;;
    *) echo "build.sh: no flavour $flavour (x86 or x64)" >&2; exit 2 ;;
  esac
  dir=$build/$flavour
  arguments=(-G Ninja "-DCMAKE_BUILD_TYPE=${QLM_BUILD_TYPE:-Release}" "-DCMAKE_TOOLCHAIN_FILE=$toolchain"
             "-DQLM_DIST_DIR=$build/dist")
  stamp="${arguments[*]} $(sha256sum "$toolchain" | cut -d' ' -f1)"
  if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$dir/configured-with" 2>/dev/null)" != "$stamp" ]; then
    # CMake reads a toolchain only into a new cache.
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    cmake -S "$root" -B "$dir" "${arguments[@]}" >/dev/null
    echo "$stamp" > "$dir/configured-with"
  fi
  cmake --build "$dir" -- -k 0 "$@"
done

# One ctest over every flavour built here: `cd build && ctest`.
{
  echo "# Written by tools/build.sh: one ctest run over the tests of the flavours built."
  for flavour in x86 x64; do
    if [ -f "$build/$flavour/CTestTestfile.cmake" ]; then echo "subdirs(\"$flavour\")"; fi
  done
  # Checks of the sources alone, once whichever flavours are built.
  echo "add_test(layers /usr/bin/python3 \"$root/tests/check-layers.py\")"
  echo "add_test(layers_planted /usr/bin/python3 \"$root/tests/check-layers-planted.py\")"
} > "$build/CTestTestfile.cmake"

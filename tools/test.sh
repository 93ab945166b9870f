#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a private Xvfb display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build

bash "$root/tools/build.sh"
cmake --build "$build" --target dist >/dev/null

# A display of our own, so tests never draw on (or are disturbed by) the user's.
source "$root/tools/display.sh"
start_private_display
cleanup() {
  for p in "$build"/wine/prefix32 "$build"/wine/prefix64 "$build"/wine/prefix144; do
    [ -d "$p" ] && WINEPREFIX=$p wineserver -k 2>/dev/null || true
  done
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

cd "$build"
ctest --output-on-failure -j2 "$@"

#!/usr/bin/env bash
# Builds everything and starts the editor of the flavour this host runs (x86 where it runs
# 32-bit code, else x64) under Wine: on the current display, or, where there is none, on a
# private Xvfb display with a screenshot saved to the build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build
bash "$root/tools/build.sh"
source "$root/tools/wine-env.sh"
qlm_host_flavour
flavour=$QLM_HOST_FLAVOUR
cmake --build "$build/$flavour" --target dist >/dev/null

export QLM_FLAVOUR=$flavour
export WINEPREFIX=${QLM_WINEPREFIX:-$build/wine/run-$flavour}
qlm_wine_environment
qlm_wine_prefix "$WINEPREFIX" "$flavour"
wine=$(qlm_wine "$flavour")
editor="$build/dist/Quillmere-$flavour/Quillpad.exe"

if [ -n "${DISPLAY:-}" ]; then
  exec "$wine" "$editor" "$@"
fi

start_private_display
trap 'wineserver -k 2>/dev/null || true; kill $XVFB_PID 2>/dev/null || true' EXIT
"$wine" "$editor" "$@" &
for _ in $(seq 200); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Quillmere - ' && break
  sleep 0.1
done
sleep 1
mkdir -p "$build/screenshots"
shot="$build/screenshots/editor.png"
import -window root "$shot"
echo "No display: the $flavour editor ran on Xvfb $DISPLAY; screenshot saved to $shot"

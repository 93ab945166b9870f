#!/usr/bin/env bash
# Builds and runs the Replace All benchmark under Wine on a private Xvfb display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build bash "$root/tools/build.sh" replace_all_bench >/dev/null

export WINEPREFIX=${QLM_WINEPREFIX:-$build/wine/bench32}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=${QLM_LANG:-ja_JP.UTF-8}
[ -f "$WINEPREFIX/system.reg" ] || bash "$root/tests/wine-prefix.sh" "$WINEPREFIX" win32 >/dev/null

source "$root/tools/display.sh"
start_private_display
trap 'wineserver -k 2>/dev/null || true; kill $XVFB_PID 2>/dev/null || true' EXIT
wine "$build/bin/replace_all_bench.exe"

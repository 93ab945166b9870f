#!/usr/bin/env bash
# Lists a skins folder of 10,000 packages (or as many as the argument says) in Fennick
# under Wine and sorts it by each column, printing each sort's time as a ratio of the
# listing's (the goal: at most 1).
set -euo pipefail
count=${1:-10000}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build bash "$root/tools/build.sh" Fennick fennick_list_bench >/dev/null

export WINEPREFIX=${QLM_WINEPREFIX:-$build/wine/bench32}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=${QLM_LANG:-ja_JP.UTF-8}
[ -f "$WINEPREFIX/system.reg" ] || bash "$root/tests/wine-prefix.sh" "$WINEPREFIX" win32 >/dev/null

# Sparse packages of varied sizes and dates, named in another order than they are made.
skins="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Microsoft/Media Player/Skins"
rm -rf "$skins"
mkdir -p "$skins"
python3 - "$skins" "$count" <<'PY'
import os, sys
folder, count = sys.argv[1], int(sys.argv[2])
for i in range(count):
    path = os.path.join(folder, 'skin%05d.wmz' % (i * 7919 % count))
    with open(path, 'wb') as f:
        f.truncate(i * 104729 % 5000000)
    stamp = 1230768000 + i * 7207 % 31536000
    os.utime(path, (stamp, stamp))
PY

source "$root/tools/display.sh"
start_private_display
trap 'wineserver -k 2>/dev/null || true; kill $XVFB_PID 2>/dev/null || true; rm -rf "$skins"' EXIT
wine "$build/bin/fennick_list_bench.exe"

#!/usr/bin/env bash
# Lists a skins folder of 10,000 packages (or as many as the argument says) in Fennick
# under Wine and sorts it by each column, printing each sort's time as a ratio of the
# listing's (the goal: at most 1).
set -euo pipefail
count=${1:-10000}
source "$(dirname "$0")/common.sh" Fennick fennick_list_bench

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

trap 'bench_cleanup; rm -rf "$skins"' EXIT
"$wine" "$build/bin/fennick_list_bench.exe"

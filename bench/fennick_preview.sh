#!/usr/bin/env bash
# Ferncastle's pictures of 100 packages (or as many as the argument says) made from the test
# skins: the large-icon view usable before its first thumbnail, all thumbnails within twice
# the time of reading and inflating the same packages alone, a preview within 150 ms of a
# selection.
set -euo pipefail
count=${1:-100}
source "$(dirname "$0")/common.sh" Fennick fennick_preview_bench

skins="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Microsoft/Media Player/Skins"
rm -rf "$skins"
mkdir -p "$skins"
python3 - "$root/tests/data/skins" "$skins" "$count" <<'PY'
import os, sys, zipfile
source, folder, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
skins = sorted(os.listdir(source))
for i in range(count):
    skin = os.path.join(source, skins[i % len(skins)])
    with zipfile.ZipFile(os.path.join(folder, 'skin%03d.wmz' % i), 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for base, _, files in os.walk(skin):
            for name in sorted(files):
                path = os.path.join(base, name)
                z.write(path, os.path.relpath(path, skin))
PY
trap 'bench_cleanup; rm -rf "$skins"' EXIT
# The pane shown from the start, as the last run would have left it.
"$wine" reg add 'HKCU\Software\Halvenor'"'"'s Software\Ferncastle' /v PreviewPane /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$wine" "$build/bin/fennick_preview_bench.exe" "$(windows_path "$skins")" | tr -d '\r'

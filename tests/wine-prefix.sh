#!/usr/bin/env bash
# Boots a fresh Wine prefix for one test run: win32 (no WOW64) or win64 (WOW64).
set -eu
dir=$1 arch=$2
export WINEPREFIX=$dir WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$dir wineserver -k 2>/dev/null || true
rm -rf "$dir"
mkdir -p "$(dirname "$dir")"
wineboot -i >/dev/null 2>&1
# A crashing program must fail its test, not wait on Wine's crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
echo "prefix $dir ($arch) ready"

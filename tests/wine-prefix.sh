#!/usr/bin/env bash
# Boots a fresh Wine prefix for one test run of the flavour QLM_FLAVOUR (x86 by default):
# win32 (no WOW64) or win64 (64-bit; x86 programs run there under WOW64), at the screen DPI
# given third (96 when omitted).
set -eu
dir=$1 arch=$2 dpi=${3:-96}
source "$(dirname "$0")/../tools/wine-env.sh"
# Through the flavour's own loader, whose reg.exe writes the registry view its programs read.
wine=$(qlm_wine "${QLM_FLAVOUR:-x86}")
qlm_wine_environment
export WINEPREFIX=$dir WINEARCH=$arch
# Booted in Japanese, Wine links its system fonts to a Japanese font; otherwise captions
# and message boxes show Japanese text as boxes in every later run.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
WINEPREFIX=$dir wineserver -k 2>/dev/null || true
# A run that died may have left a test's small disk mounted inside the prefix.
if [ -d "$dir" ]; then
  awk -v d="$dir/" 'index($2, d) == 1 { print $2 }' /proc/mounts | sed 's/\\040/ /g' |
    while read -r m; do umount -l "$m" || true; done
fi
rm -rf "$dir"
mkdir -p "$(dirname "$dir")"
"$wine" wineboot -i >/dev/null 2>&1
# A crashing program must fail its test, not wait on Wine's crash dialog.
"$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# The dialogs ask for "MS UI Gothic", as a Windows with Japanese support has it; Wine
# maps it to a Japanese font only under a Japanese locale, so the English runs map it here.
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' /v 'MS UI Gothic' /t REG_SZ /d 'IPAPGothic' /f >/dev/null 2>&1
# Wine 8 takes the screen's DPI from the user's LogPixels, else from the machine's, as
# each program starts.
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
"$wine" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w
# wineboot links Documents, Desktop and the like to $HOME, where the template folders and
# shortcuts of every run would meet: give the prefix real folders of its own.
for link in "$dir"/drive_c/users/*/*; do
  if [ -L "$link" ]; then rm "$link"; mkdir "$link"; fi
done
echo "prefix $dir ($arch, $dpi DPI) ready"

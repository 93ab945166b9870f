#!/usr/bin/env bash
# The shipped programs of a flavour are PE files of its bitness (x86: PE32 i386, x64: PE32+
# x86-64) that import nothing but Windows' own DLLs, and carry the application manifest of
# that processor: common controls 6, asInvoker, Vista to 11, system DPI.
# Usage: check-exes.sh x86|x64 EXE...
set -u
case "$1" in
  x86) tools=i686-w64-mingw32 format=pei-i386 kind="PE32 i386" arch=x86 ;;
  x64) tools=x86_64-w64-mingw32 format=pei-x86-64 kind="PE32+ x86-64" arch=amd64 ;;
  *) echo "usage: check-exes.sh x86|x64 EXE..."; exit 2 ;;
esac
shift
# The version the manifest names, as shared/version.h gives it.
version=$(sed -n 's/^#define QLM_VERSION_\(MAJOR\|MINOR\|BUILD\|REVISION\) *//p' "$(dirname "$0")/../shared/version.h" | paste -sd.)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "FAIL no version of four numbers in shared/version.h"; exit 1; }
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|shfolder|version|ole32|oleaut32|advapi32|msvcrt)\.dll$'
status=0
for exe in "$@"; do
  name=$(basename "$exe")
  if ! $tools-objdump -f "$exe" | grep -q "file format $format\$"; then
    echo "FAIL $name: not a $kind file"; status=1; continue
  fi
  bad=$($tools-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | grep -Ev "$allowed")
  if [ -n "$bad" ]; then
    echo "FAIL $name imports $(echo $bad)"; status=1; continue
  fi
  # The manifest is resource 1 of type 24 (RT_MANIFEST), which windres prints as rc text.
  manifest=$($tools-windres -J coff -i "$exe" -O rc 2>/dev/null |
             awk '/^1 24 /{on=1; next} on && /^END/{exit} on' | tr -d '\n')
  missing=""
  for want in "name=\"\"HalvenorSoftware.Quillmere\"\" version=\"\"$version\"\" processorArchitecture=\"\"$arch\"\"" \
              'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""' 'level=""asInvoker""' \
              e2011457-1546-43c5-a5fe-008deee3d3f0 35138b9a-5d96-4fbd-8e2d-a2440225f93a \
              4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 \
              8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a '>true</dpiAware>'; do
    [[ $manifest == *"$want"* ]] || missing="$missing [$want]"
  done
  if [ -n "$missing" ]; then
    echo "FAIL $name: its manifest lacks$missing"; status=1
  else
    echo "ok   $name: $kind, imports only system DLLs, carries the manifest"
  fi
done
exit $status

#!/usr/bin/env bash
# The shipped programs are 32-bit PE files that import nothing but Windows' own DLLs.
set -u
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|shfolder|version|ole32|oleaut32|advapi32|msvcrt)\.dll$'
status=0
for exe in "$@"; do
  name=$(basename "$exe")
  if ! i686-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386'; then
    echo "FAIL $name: not a PE32 i386 file"; status=1; continue
  fi
  bad=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | grep -Ev "$allowed")
  if [ -n "$bad" ]; then
    echo "FAIL $name imports $(echo $bad)"; status=1
  else
    echo "ok   $name: PE32 i386, imports only system DLLs"
  fi
done
exit $status

#!/usr/bin/env bash
# Opens a 10 MB file with LF line ends and the same file with CR LF, in the editor and in
# Wine's own Notepad, in one run; prints the times and how much slower LF is (goal: at
# most 5 %).
set -euo pipefail
source "$(dirname "$0")/common.sh" Quillpad open_file_bench
work=$(mktemp -d)
trap 'bench_cleanup; rm -rf "$work"' EXIT

python3 - "$work" "${QLM_BENCH_MB:-10}" <<'PY'
import sys
line = '\t<button id="b%06d" image="skin.bmp" onclick="jscript:play();"/>'
lines = [line % i for i in range(int(sys.argv[2]) * 1024 * 1024 // 60)]
open(sys.argv[1] + '/lf.wms', 'w', newline='\n').write('\n'.join(lines) + '\n')
open(sys.argv[1] + '/crlf.wms', 'w', newline='\r\n').write('\n'.join(lines) + '\n')
PY

best() { sort -n | sed -n 1p; }   # head would end sort early: a broken pipe under pipefail
measure() {   # program class file
  for round in 1 2 3; do
    "$wine" "$build/bin/open_file_bench.exe" "$1" "$2" "$(windows_path "$3")" | tr -d '\r'
  done | best
}
quillpad=$(windows_path "$build/bin/Quillpad.exe")
q_crlf=$(measure "$quillpad" Quillpad "$work/crlf.wms")
q_lf=$(measure "$quillpad" Quillpad "$work/lf.wms")
n_crlf=$(measure notepad.exe Notepad "$work/crlf.wms")
n_lf=$(measure notepad.exe Notepad "$work/lf.wms")
echo "opening a $(du -k "$work/crlf.wms" | cut -f1) KB file, best of 3, from start until the text is in the control"
printf 'Quillpad  CR LF %7.3f s   LF %7.3f s   LF/CR LF %5.2f\n' "$q_crlf" "$q_lf" "$(echo "$q_lf / $q_crlf" | bc -l)"
printf 'Notepad   CR LF %7.3f s   LF %7.3f s   LF/CR LF %5.2f\n' "$n_crlf" "$n_lf" "$(echo "$n_lf / $n_crlf" | bc -l)"
printf 'Quillpad / Notepad (CR LF): %5.2f   goal: LF at most 1.05 times CR LF\n' "$(echo "$q_crlf / $n_crlf" | bc -l)"

#!/usr/bin/env bash
# Builds both flavours and runs every test under Wine on a private Xvfb display: in one
# ctest run over both build folders. Where the host runs 32-bit code, the x86 flavour is
# tested in full and x64 by its unit tests and Japanese UI suite; elsewhere (or with
# QLM_X64_ONLY=1) x64 is tested in full and the x86 runs are reported skipped.
# To bring out timing faults: QLM_REPEAT=N runs every UI suite N times over, and QLM_LOAD=N
# keeps N busy processes running beside the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build

bash "$root/tools/build.sh"
for flavour in ${QLM_FLAVOURS:-x86 x64}; do cmake --build "$build/$flavour" --target dist >/dev/null; done

source "$root/tools/wine-env.sh"
qlm_host_flavour
echo "test.sh: testing the $QLM_HOST_FLAVOUR flavour in full${QLM_NO_X86_REASON:+; x86 runs skipped: $QLM_NO_X86_REASON}"

# A display of our own, so tests never draw on (or are disturbed by) the user's.
start_private_display
load=()
cleanup() {
  for pid in "${load[@]}"; do kill "$pid" 2>/dev/null || true; done
  for p in "$build"/*/wine/*/; do
    [ -f "$p/system.reg" ] && WINEPREFIX=$p wineserver -k 2>/dev/null || true
  done
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq "${QLM_LOAD:-0}"); do
  yes >/dev/null &
  load+=($!)
done
[ -z "${QLM_REPEAT:-}${QLM_LOAD:-}" ] || echo "test.sh: UI suites ${QLM_REPEAT:-1} times over, ${QLM_LOAD:-0} busy processes beside them"

cd "$build"
ctest --output-on-failure -j2 "$@"

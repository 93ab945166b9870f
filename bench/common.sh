# Sourced by the benchmarks: builds the targets named, then a Wine prefix of their own
# (booted once, windows unmanaged) and a private display; both end with the script.
# Sets root, build, WINEPREFIX and DISPLAY.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build bash "$root/tools/build.sh" "$@" >/dev/null

export WINEPREFIX=${QLM_WINEPREFIX:-$build/wine/bench32}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=${QLM_LANG:-ja_JP.UTF-8}
[ -f "$WINEPREFIX/system.reg" ] || bash "$root/tests/wine-prefix.sh" "$WINEPREFIX" win32 >/dev/null
source "$root/tools/display.sh"
start_private_display
# A wineserver left from another run would keep drawing on that run's display.
wineserver -k 2>/dev/null || true
# One server for the whole run: each program starts faster.
wineserver -p
# Without a window manager Wine waits 2 s at every closed window it manages.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
bench_cleanup() { wineserver -k 2>/dev/null || true; kill "$XVFB_PID" 2>/dev/null || true; }
trap bench_cleanup EXIT

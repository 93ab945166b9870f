# Sourced by the benchmarks: builds the targets named in the flavour this host runs, then a
# Wine prefix of their own (booted once, windows unmanaged) and a private display; both end
# with the script. Sets root, build (that flavour's build folder), WINEPREFIX and DISPLAY;
# "$wine" is the path of that flavour's Wine loader, and `windows_path` gives a file's
# Windows path through it.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/tools/wine-env.sh"
qlm_host_flavour
export QLM_FLAVOUR=$QLM_HOST_FLAVOUR
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build QLM_FLAVOURS=$QLM_FLAVOUR bash "$root/tools/build.sh" "$@" >/dev/null
build=$build/$QLM_FLAVOUR
# By its path: a function named after the loader would find itself and call itself.
wine=$(type -P "$(qlm_wine "$QLM_FLAVOUR")")
windows_path() { "$wine" winepath -w "$@"; }

export WINEPREFIX=${QLM_WINEPREFIX:-$build/wine/bench}
qlm_wine_environment
qlm_wine_prefix "$WINEPREFIX" "$QLM_FLAVOUR" >/dev/null
start_private_display
# A wineserver left from another run would keep drawing on that run's display.
wineserver -k 2>/dev/null || true
# One server for the whole run: each program starts faster.
wineserver -p
# Without a window manager Wine waits 2 s at every closed window it manages.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
bench_cleanup() { wineserver -k 2>/dev/null || true; kill "$XVFB_PID" 2>/dev/null || true; }
trap bench_cleanup EXIT

# Sourced by every script that runs the programs: the two flavours (x86 and x64) and Wine's
# loader for each, the environment and prefix they run in, and a private display.
#   qlm_host_flavour      sets QLM_HOST_FLAVOUR, the flavour this host tests in full: x86 where
#                         Wine's 32-bit loader starts, else x64 (QLM_X64_ONLY=1 makes any host
#                         take x64); and QLM_NO_X86_REASON, why the x86 flavour cannot run here.
#   qlm_wine FLAVOUR      prints the Wine loader for that flavour's programs.
#   qlm_wine_environment  exports how our runs use Wine: no debug output, no prompts to install
#                         Mono or Gecko, and the locale of QLM_LANG (ja_JP.UTF-8 by default).
#   qlm_wine_prefix DIR FLAVOUR  boots the prefix DIR for that flavour unless it is there.
#   start_private_display [SCREEN]  starts a private Xvfb display (of SCREEN, 1024x768x24 by
#                         default) and exports DISPLAY; sets XVFB_PID so the caller can stop it.
qlm_env_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

qlm_host_flavour() {
  [ -n "${QLM_HOST_FLAVOUR:-}" ] && return 0
  local probe
  if [ -n "${QLM_X64_ONLY:-}" ]; then
    QLM_HOST_FLAVOUR=x64 QLM_NO_X86_REASON="QLM_X64_ONLY is set"
  # One start of the loader itself: the host's architecture name does not tell whether
  # its kernel runs 32-bit code.
  elif probe=$(/usr/lib/wine/wine --version 2>&1); then
    QLM_HOST_FLAVOUR=x86 QLM_NO_X86_REASON=""
  else
    QLM_HOST_FLAVOUR=x64 QLM_NO_X86_REASON="this host runs no 32-bit code (Wine's 32-bit loader: ${probe##*: })"
  fi
  export QLM_HOST_FLAVOUR QLM_NO_X86_REASON
}

# The `wine` command starts the 32-bit loader first, which a host without 32-bit support
# cannot even load: 64-bit programs go to the 64-bit loader directly.
qlm_wine() {
  if [ "$1" = x64 ]; then
    if [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64; else echo wine64; fi
  else
    echo wine
  fi
}

qlm_wine_environment() {
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=${QLM_LANG:-ja_JP.UTF-8}
}

qlm_wine_prefix() {
  [ -f "$1/system.reg" ] && return 0
  local arch=win64
  [ "$2" = x86 ] && arch=win32
  QLM_FLAVOUR=$2 bash "$qlm_env_root/tests/wine-prefix.sh" "$1" "$arch"
}

start_private_display() {
  local ready number
  ready=$(mktemp)
  # Xvfb takes the first free display number itself and writes it once it accepts
  # clients: two runs starting at once never pick the same.
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 200); do
    [ -s "$ready" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  number=$(head -n 1 "$ready")
  rm -f "$ready"
  [ -n "$number" ] || { echo "Xvfb did not start a display" >&2; return 1; }
  export DISPLAY=":$number"
}

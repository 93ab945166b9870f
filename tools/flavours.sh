# Sourced by the scripts: the two flavours of the programs (x86 and x64) and Wine for each.
#   qlm_host_flavour  sets QLM_HOST_FLAVOUR, the flavour this host tests in full: x86 where
#                     Wine's 32-bit loader starts, else x64 (QLM_X64_ONLY=1 makes any host
#                     take x64); and QLM_NO_X86_REASON, why the x86 flavour cannot run here.
#   qlm_wine FLAVOUR  prints the Wine loader for that flavour's programs.

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

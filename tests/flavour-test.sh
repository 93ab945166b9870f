#!/usr/bin/env bash
# Runs one test of the flavour QLM_FLAVOUR, or reports it skipped with exit code 77: every
# x86 run on a host that cannot run the x86 flavour, and on a host that tests x86 in full,
# the x64 runs not marked "core" (x86 covers them there).
# Usage: flavour-test.sh core|full COMMAND [ARGUMENT...]; a .exe runs under Wine.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tools/wine-env.sh"
qlm_host_flavour
scope=$1
shift
if [ "$QLM_FLAVOUR" = x86 ] && [ "$QLM_HOST_FLAVOUR" != x86 ]; then
  echo "skipped: $QLM_NO_X86_REASON"
  exit 77
fi
if [ "$QLM_FLAVOUR" != "$QLM_HOST_FLAVOUR" ] && [ "$scope" != core ]; then
  echo "skipped: this host tests the $QLM_HOST_FLAVOUR flavour in full"
  exit 77
fi
case "$1" in
  *.exe) exec "$root/tools/wine-run.sh" "$@" ;;
  *) exec "$@" ;;
esac

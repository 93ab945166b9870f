#!/usr/bin/env bash
# Runs a Windows program of the flavour QLM_FLAVOUR (x86 by default) under Wine with the
# test environment: the prefix named by WINEPREFIX (the tests set it), no Wine debug noise,
# no installer prompts, and a display (without one, a private screen of QLM_SCREEN,
# 1024x768x24 by default).
set -u
source "$(dirname "$0")/wine-env.sh"
wine=$(qlm_wine "${QLM_FLAVOUR:-x86}")
qlm_wine_environment
# A test run pins every locale category, not only LANG.
export LC_ALL="$LANG"
if [ -z "${DISPLAY:-}" ]; then
  start_private_display "${QLM_SCREEN:-1024x768x24}" || exit 1
  # The display goes with the run, however it ends.
  trap 'kill "$XVFB_PID" 2>/dev/null' EXIT
  "$wine" "$@"
  exit
fi
exec "$wine" "$@"

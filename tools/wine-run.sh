#!/usr/bin/env bash
# Runs a Windows program of the flavour QLM_FLAVOUR (x86 by default) under Wine with the
# test environment: the prefix named by WINEPREFIX (the tests set it), no Wine debug noise,
# no installer prompts, and a display (without one, a private screen of QLM_SCREEN,
# 1024x768x24 by default).
set -u
source "$(dirname "$0")/flavours.sh"
wine=$(qlm_wine "${QLM_FLAVOUR:-x86}")
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG="${QLM_LANG:-ja_JP.UTF-8}"
export LC_ALL="$LANG"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 ${QLM_SCREEN:-1024x768x24}" "$wine" "$@"
fi
exec "$wine" "$@"

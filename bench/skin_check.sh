#!/usr/bin/env bash
# Builds and runs the skin check benchmark under Wine on a private Xvfb display.
set -euo pipefail
source "$(dirname "$0")/common.sh" skin_check_bench
"$wine" "$build/bin/skin_check_bench.exe"

#!/usr/bin/env bash
# Builds and runs the Replace All benchmark under Wine on a private Xvfb display.
set -euo pipefail
source "$(dirname "$0")/common.sh" replace_all_bench
"$wine" "$build/bin/replace_all_bench.exe"

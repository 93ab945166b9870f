#!/usr/bin/env bash
# Renders every view of the test skins and a generated view of 200 elements over 30 images
# (a quarter of them placed by jscript: expressions), against decoding the same images alone,
# then re-renders that view after a one-attribute edit with its images cached. The rendered
# views are saved as PNGs in the build folder, the test skins' in each state of the player.
set -euo pipefail
source "$(dirname "$0")/common.sh" skin_preview_bench
work=$(mktemp -d)
trap 'bench_cleanup; rm -rf "$work"' EXIT
out=$build/skin-previews
mkdir -p "$out"
"$wine" "$build/bin/skin_preview_bench.exe" "$(windows_path "$root/tests/data/skins")" "$(windows_path "$out")" \
  "$(windows_path "$work")" | tr -d '\r'
echo "pictures: $out"

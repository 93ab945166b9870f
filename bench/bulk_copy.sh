#!/usr/bin/env bash
# Bulk-copies 1,000 packages of 200 KB with Fennick under Wine and with cp, in one run,
# and prints both times and their ratio (goal: Fennick at most 1.5 times cp), with a bare
# CopyFileW loop under Wine as the floor that Wine itself sets.
set -euo pipefail
source "$(dirname "$0")/common.sh" Fennick bulk_copy_bench
work=$(mktemp -d)
trap 'bench_cleanup; rm -rf "$work"' EXIT

packages=$work/packages
mkdir -p "$packages" "$work/cp-target" "$work/wine-target"
{
  echo "[QLMCInfo]"; echo "Version=1.0"; echo "[CopyInfo]"
  for i in $(seq 0 999); do
    head -c 204800 /dev/urandom > "$packages/skin$i.wmz"
    echo "Skin$i=skin$i.wmz"
  done
} > "$packages/all.qlmc"
skins=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming | head -1)/Microsoft/Media\ Player/Skins

best() { sort -n | sed -n 1p; }   # head would end sort early: a broken pipe under pipefail
cp_times=() fennick_times=() floor_times=()
for round in 1 2 3; do
  rm -rf "$work/cp-target"/* "$work/wine-target"/* "$skins"
  sync
  start=$(date +%s.%N)
  cp "$packages"/*.wmz "$work/cp-target/"
  cp_times+=("$(echo "$(date +%s.%N) - $start" | bc)")
  mkdir -p "$skins"
  read -r fennick floor < <("$wine" "$build/bin/bulk_copy_bench.exe" "$(windows_path "$build/bin/Fennick.exe")" \
      "$(windows_path "$packages/all.qlmc")" "$(windows_path "$packages")" "$(windows_path "$work/wine-target")" | tr -d '\r')
  fennick_times+=("$fennick") floor_times+=("$floor")
done
cp_best=$(printf '%s\n' "${cp_times[@]}" | best)
fennick_best=$(printf '%s\n' "${fennick_times[@]}" | best)
floor_best=$(printf '%s\n' "${floor_times[@]}" | best)
copied=$(ls "$skins" | wc -l)
echo "1,000 packages of 200 KB, best of 3 rounds ($copied copied by Fennick)"
printf 'cp:       %8.3f s\n' "$cp_best"
printf 'Fennick:  %8.3f s\n' "$fennick_best"
printf 'CopyFileW loop under Wine: %8.3f s\n' "$floor_best"
printf 'ratio to cp:              %8.2f (goal: at most 1.5)\n' "$(echo "$fennick_best / $cp_best" | bc -l)"
printf 'ratio to the Wine floor:  %8.2f\n' "$(echo "$fennick_best / $floor_best" | bc -l)"

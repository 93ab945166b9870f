#!/usr/bin/env bash
# Packs one 50 MB skin folder with Zipwright (under Wine) and with zip -9, best of three
# runs each, and prints sizes, times and their ratios.
set -euo pipefail
source "$(dirname "$0")/common.sh" Zipwright

work=$build/bench-package
skin=$work/skin
if [ ! -f "$skin/Bench.wms" ]; then
  rm -rf "$skin"
  # Skin art: BMPs of gradients, half of them with the low-bit grain of scanned or
  # photographic art; PNGs of random noise, which no deflate shrinks; XML and JScript text.
  /usr/bin/python3 - "$skin" <<'PY'
import os, random, sys
skin, rng = sys.argv[1], random.Random(2009)
def put(name, data):
    path = os.path.join(skin, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    open(path, 'wb').write(data)
def bmp(width, height, seed, grain):
    stride = width * 3
    rows = [bytes((x * seed // 7 + y * 3 + (x // 40) * 17) % 256 for x in range(stride)) for y in range(64)]
    pixels = b''.join(rows[(y * seed // 5) % 64] for y in range(height))
    if grain:
        noise = int.from_bytes(rng.randbytes(len(pixels)), 'little') & int.from_bytes(b'\x03' * len(pixels), 'little')
        pixels = (int.from_bytes(pixels, 'little') ^ noise).to_bytes(len(pixels), 'little')
    info = (40).to_bytes(4, 'little') + width.to_bytes(4, 'little') + height.to_bytes(4, 'little') \
        + (1).to_bytes(2, 'little') + (24).to_bytes(2, 'little') + bytes(24)
    return b'BM' + (54 + len(pixels)).to_bytes(4, 'little') + bytes(4) + (54).to_bytes(4, 'little') + info + pixels
for i in range(14):
    put('images/part%02d.bmp' % i, bmp(800, 600, i + 3, i % 2 == 1))
put('images/backdrop.bmp', bmp(2000, 2000, 11, True))
for i in range(16):
    put('images/photo%02d.png' % i, b'\x89PNG\r\n\x1a\n' + rng.randbytes(500000))
put('video/intro.png', b'\x89PNG\r\n\x1a\n' + rng.randbytes(9 << 20))
lines = ''.join('  <button id="b%d" image="images/part%02d.bmp" onclick="jscript:play(%d);"/>\r\n'
                % (i, i % 14, rng.randrange(1000)) for i in range(4000))
put('Bench.wms', ('<theme>\r\n' + lines + '</theme>\r\n').encode('utf-8'))
for i in range(4):
    put('scripts/s%d.js' % i, ''.join('function f%d_%d(x) { return x * %d; }\r\n'
                                      % (i, j, rng.randrange(99)) for j in range(3000)).encode())
PY
fi

"$wine" "$build/bin/Zipwright.exe" >/dev/null 2>&1 || true  # a first start boots Wine's services

read -r skin_w out_w <<<"$(windows_path "$skin" "$work/zipwright.wmz" | tr '\n' ' ')"
seconds() { date +%s.%N; }
# The smaller of the best time so far ($1, empty at first) and the time from $2 to $3.
best() { awk -v a="$1" -v s="$2" -v e="$3" 'BEGIN { b = e - s; print (a == "" || b < a) ? b : a }'; }
zw_time="" zip_time="" start_time=""
for _ in 1 2 3; do
  t0=$(seconds); "$wine" "$build/bin/Zipwright.exe" >/dev/null 2>&1 || true; t1=$(seconds)
  start_time=$(best "$start_time" "$t0" "$t1")
  t0=$(seconds); "$wine" "$build/bin/Zipwright.exe" "$skin_w" "$out_w"; t1=$(seconds)
  zw_time=$(best "$zw_time" "$t0" "$t1")
  rm -f "$work/zip9.wmz"
  t0=$(seconds); (cd "$skin" && zip -9 -r -q "$work/zip9.wmz" .); t1=$(seconds)
  zip_time=$(best "$zip_time" "$t0" "$t1")
done
unzip -tq "$work/zipwright.wmz" >/dev/null

folder=$(du -sb "$skin" | cut -f1)
zw_size=$(stat -c %s "$work/zipwright.wmz")
zip_size=$(stat -c %s "$work/zip9.wmz")
printf 'skin folder  %10d bytes, %d files, %d cores\n' "$folder" "$(find "$skin" -type f | wc -l)" "$(nproc)"
printf 'Zipwright    %10d bytes  %6.2f s  (of which %.2f s starting a Wine process)\n' "$zw_size" "$zw_time" "$start_time"
printf 'zip -9       %10d bytes  %6.2f s\n' "$zip_size" "$zip_time"
awk -v a="$zw_size" -v b="$zip_size" -v s="$zw_time" -v t="$zip_time" \
  'BEGIN { printf "Zipwright / zip -9: size %.4f, time %.2f\n", a / b, s / t }'

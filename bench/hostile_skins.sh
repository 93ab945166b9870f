#!/usr/bin/env bash
# Packages made to stop, hold or exhaust Ferncastle and the editor, generated here beside a
# real-size well-formed skin: for each, the pane's render, a thumbnail pass over ten copies
# and the package check, each timed in a process of its own with the most memory it took
# (peak working set), and the time as a ratio of the well-formed skin's. Then Ferncastle itself
# over one of each: the longest its window took to answer, and how soon it closed. Arguments
# name fewer classes (real, attributes-60MB, ..., entries-65535).
set -euo pipefail
classes=${*:-real attributes-60MB attributes-3.9MB attributes-80000 spellings fonts unclosed script-names entries-65535}
source "$(dirname "$0")/common.sh" Fennick hostile_skins_bench
work=$(mktemp -d)
skins="$WINEPREFIX/drive_c/users/$(whoami)/AppData/Roaming/Microsoft/Media Player/Skins"
trap 'bench_cleanup; rm -rf "$work" "$skins"' EXIT

python3 - "$work" <<'PY'
import os, struct, sys, zlib, zipfile
work = sys.argv[1]

def bmp(width, height, rgb):
    stride = (width * 3 + 3) // 4 * 4
    row = bytes(rgb[::-1]) * width + b'\0' * (stride - width * 3)
    return (b'BM' + struct.pack('<IIIIiiHHIIiiII', 54 + stride * height, 0, 54, 40, width, height, 1, 24, 0,
                                stride * height, 0, 0, 0, 0) + row * height)

def png_1bit(width, height):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    rows = (b'\0' + b'\0' * ((width + 7) // 8)) * height
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 1, 0, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))

def package(name, files):
    with zipfile.ZipFile(os.path.join(work, name + '.wmz'), 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for path, data in files.items():
            z.writestr(path, data)

# A real-size skin: a 640x480 background, thirty images, 200 elements.
art = {'back.bmp': bmp(640, 480, (40, 60, 90))}
view = ['<THEME title="Real"><VIEW backgroundImage="back.bmp" clippingColor="#FF00FF">']
for i in range(10):
    art['b%d.bmp' % i] = bmp(40, 40, (80 + i * 8, 80, 112))
    art['h%d.bmp' % i] = bmp(40, 40, (160, 160, 240 - i * 8))
for i in range(10):
    art['t%d.bmp' % i] = bmp(200, 8, (32, 32, 48 + i))
for i in range(100):
    view.append('<BUTTON left="%d" top="%d" image="b%d.bmp" hoverImage="h%d.bmp"/>' % (8 + i % 12 * 50, 8 + i // 12 * 44, i % 10, i % 10))
for i in range(60):
    view.append('<TEXT left="%d" top="%d" width="190" value="Track %d" foregroundColor="#E0E0FF" fontSize="8"/>' % (8 + i % 3 * 200, 330 + i // 3 * 7, i))
for i in range(40):
    view.append('<SLIDER left="420" top="%d" width="200" height="8" backgroundImage="t%d.bmp" value="%d"/>' % (8 + i * 8, i % 10, i))
package('real', dict(art, **{'real.wms': '\r\n'.join(view + ['</VIEW></THEME>'])}))

package('attributes-60MB', {'a.wms': '<THEME><VIEW' + ' a=""' * 12000000 + '/></THEME>'})
package('attributes-3.9MB', {'a.wms': '<THEME><VIEW width="9" height="9"' + ' a=""' * 780000 + '/></THEME>'})
package('attributes-80000', {'a.wms': '<THEME><VIEW width="9" height="9"' +
                             ''.join(' a%d=""' % i for i in range(80000)) + '/></THEME>'})
big = png_1bit(16384, 4096)
package('spellings', {'a.png': big, 'b.png': big, 'a.wms': '<THEME><VIEW width="800" height="600">' +
                      ''.join('<BUTTON image="%s%s.png"/>' % ('./' * (i // 2 % 300), 'ab'[i % 2]) for i in range(3000)) +
                      '</VIEW></THEME>'})
package('fonts', {'a.wms': '<THEME><VIEW>' + ''.join('<TEXT top="%d" fontFace="Face %d" fontSize="%d" value="text"/>'
                                                      % (i % 400, i, 8 + i % 20) for i in range(20000)) + '</VIEW></THEME>'})
package('unclosed', {'a.wms': '<THEME><VIEW width="9" height="9">' + '<SUBVIEW>' * 400000})
package('script-names', {'a.wms': '<THEME><VIEW width="9" height="9" scriptFile="' + 'x;' * 1900000 + '"/></THEME>'})
entries = {'e%05d.bmp' % i: b'x' for i in range(65534)}
entries['a.wms'] = '<THEME><VIEW width="9" height="9">' + ''.join('<BUTTON image="e%05d.bmp"/>' % (i * 3) for i in range(20000)) + '</VIEW></THEME>'
package('entries-65535', entries)

for name in os.listdir(work):
    copies = os.path.join(work, name[:-4])
    os.mkdir(copies)
    for i in range(10):
        os.link(os.path.join(work, name), os.path.join(copies, '%d.wmz' % i))
PY

w() { windows_path "$1"; }
bench() { "$wine" "$build/bin/hostile_skins_bench.exe" "$@" | tr -d '\r'; }
real_ms=1
for class in $classes; do
  render=$(bench render "$(w "$work/$class.wmz")")
  ms=${render%% ms*}
  [ "$class" = real ] && real_ms=$(( ms > 0 ? ms : 1 ))
  echo "$class"
  echo "  render      $render; $(python3 -c "print('%.1f' % ($ms / $real_ms))") x the real skin's"
  echo "  thumbnails  $(bench thumbnails "$(w "$work/$class")")"
  echo "  check       $(bench check "$(w "$work/$class.wmz")")"
done

rm -rf "$skins"
mkdir -p "$skins"
for class in $classes; do cp "$work/$class.wmz" "$skins"/; done
"$wine" reg add 'HKCU\Software\Halvenor'"'"'s Software\Ferncastle' /v PreviewPane /t REG_DWORD /d 1 /f >/dev/null 2>&1
bench fennick "$(w "$skins")"

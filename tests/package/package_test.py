#!/usr/bin/env python3
"""Zipwright.exe under Wine on real skin folders: the package read by unzip and zipfile,
then every exit code from the case that causes it."""
import glob
import os
import socket
import subprocess
import sys
import tempfile
import time
import zipfile

EXE = sys.argv[1]
WINE_RUN = os.environ['QLM_WINE_RUN']
FAILURES = []
LONG = 'a' * 100 + '/' + 'b' * 100 + '/' + 'c' * 80 + '.txt'
# Package order: a folder's files, then its subfolders, by name ignoring case.
EXPECTED = ['Blue Skin.wms', 'old.txt', 'script.js', 'zero.txt', LONG, 'images/back.bmp',
            'images/large-noise.png', 'images/large.bmp', 'images/Noise.png', 'sub dir/Café.js',
            'sub dir/ボタン 画像.bmp']
# Noise, and files too small for deflate to gain anything.
STORED = {'zero.txt', 'old.txt', 'sub dir/Café.js', 'images/large-noise.png', 'images/Noise.png'}


def check(condition, what):
    if not condition:
        FAILURES.append(what)
        print('FAIL', what)


def bmp(width, height):
    """A 24-bit BMP of soft bands, compressible like skin art."""
    stride = (width * 3 + 3) & ~3
    rows = [bytes((x // 9 + band * 37) % 256 for x in range(stride)) for band in range(64)]
    pixels = b''.join(rows[(y // 16) % 64] for y in range(height))
    header = b'BM' + (54 + len(pixels)).to_bytes(4, 'little') + bytes(4) + (54).to_bytes(4, 'little')
    info = (40).to_bytes(4, 'little') + width.to_bytes(4, 'little') + height.to_bytes(4, 'little')
    info += (1).to_bytes(2, 'little') + (24).to_bytes(2, 'little') + bytes(24)
    return header + info + pixels


def write(root, relative, data):
    path = os.path.join(root, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)
    return path


def make_skin(root):
    wms = '<theme id="ブルー">\r\n  <view backgroundImage="images/back.bmp"/>\r\n</theme>\r\n' * 20
    write(root, 'Blue Skin.wms', b'\xff\xfe' + wms.encode('utf-16-le'))
    write(root, 'script.js', b'function onLoad() { view.title = "x"; }\r\n' * 50)
    write(root, 'zero.txt', b'')
    os.utime(write(root, 'old.txt', b'1975'), (157766400, 157766400))
    write(root, LONG, b'long path\r\n' * 10)
    write(root, 'images/back.bmp', bmp(200, 100))
    write(root, 'images/large.bmp', bmp(1800, 1700))  # over the in-memory limit: streamed
    write(root, 'images/large-noise.png', b'\x89PNG\r\n\x1a\n' + os.urandom(9 << 20))
    write(root, 'images/Noise.png', b'\x89PNG\r\n\x1a\n' + os.urandom(50000))
    write(root, 'sub dir/Café.js', b'var caf\xc3\xa9 = 1;\r\n')
    write(root, 'sub dir/ボタン 画像.bmp', bmp(64, 64))
    os.makedirs(os.path.join(root, 'empty'))


def windows_paths(*paths):
    # Through the flavour's Wine: the plain winepath command needs Wine's 32-bit loader.
    out = subprocess.run([WINE_RUN, 'winepath', '-w', *paths], capture_output=True, text=True).stdout
    return out.splitlines()


def run(*arguments):
    return subprocess.run([WINE_RUN, EXE, *arguments], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode


def log_text():
    logs = glob.glob(os.path.join(os.environ['WINEPREFIX'], 'drive_c/users/*/AppData/Roaming',
                                  "Halvenor's Software/Quillmere/PACKLOG.TXT"))
    return open(logs[0], 'rb').read() if logs else b''


def check_package(root, package):
    listing = subprocess.run(['unzip', '-Z1', package], capture_output=True,
                             env=dict(os.environ, LANG='C.UTF-8', LC_ALL='C.UTF-8')).stdout
    check(subprocess.run(['unzip', '-tq', package], stdout=subprocess.DEVNULL).returncode == 0, 'unzip -t')
    check(listing.decode('utf-8').splitlines() == EXPECTED, 'unzip lists every name as on disk')
    with zipfile.ZipFile(package) as archive:
        check(archive.namelist() == EXPECTED, 'zipfile names in package order: %s' % archive.namelist())
        for info in archive.infolist():
            path = os.path.join(root, info.filename)
            check(archive.read(info) == open(path, 'rb').read(), 'bytes of ' + info.filename)
            check(bool(info.flag_bits & 0x800) == (not info.filename.isascii()), 'UTF-8 flag of ' + info.filename)
            method = zipfile.ZIP_STORED if info.filename in STORED else zipfile.ZIP_DEFLATED
            check(info.compress_type == method, 'method of ' + info.filename)
            local = time.localtime(os.stat(path).st_mtime)
            expected = tuple(local[:5]) + (local.tm_sec // 2 * 2,) if local.tm_year >= 1980 else (1980, 1, 1, 0, 0, 0)
            check(info.date_time == expected, 'DOS time of ' + info.filename)


def failure_cases(base):
    """(name, arguments, expected exit code), every case with an old package to keep."""
    for name in ('nowms', 'unreadable', 'huge'):
        write(base, name + '/skin.WMS' if name != 'nowms' else 'nowms/sub/skin.wms', b'<theme/>')
    listen = socket.socket(socket.AF_UNIX)
    # Wine lists a socket as a file but cannot open it.
    listen.bind(os.path.join(base, 'unreadable', 'socket.bmp'))
    listen.close()
    with open(os.path.join(base, 'huge', 'video.bmp'), 'wb') as f:
        f.truncate(4 << 30)  # sparse: too large without taking disk space
    os.makedirs(os.path.join(base, 'out', 'folder.wmz'))
    w = dict(zip(['base', 'out', 'missing', 'dir'], windows_paths(
        base, os.path.join(base, 'out'), os.path.join(base, 'no such folder'), os.path.join(base, 'out', 'folder.wmz'))))
    old = w['out'] + '\\old.wmz'
    return [('no arguments', [], 1), ('one argument', [w['base'] + '\\nowms'], 1),
            ('three arguments', [w['base'] + '\\nowms', old, old], 1),
            ('missing skin folder', [w['missing'], old], 2),
            ('.wms only in a subfolder', [w['base'] + '\\nowms', old], 3),
            ('unreadable file', [w['base'] + '\\unreadable', old], 4),
            ('output folder missing', [w['base'] + '\\unreadable', w['missing'] + '\\x.wmz'], 5),
            ('output is a folder', [w['base'] + '\\skin', w['dir']], 5),
            ('file of 4 GB', [w['base'] + '\\huge', old], 6)]


def check_full_disk(base):
    """A write that fails on a full disk gives 5 and leaves the old package and nothing else."""
    disk = os.path.join(base, 'small')
    os.makedirs(disk)
    if subprocess.run(['mount', '-t', 'tmpfs', '-o', 'size=512k', 'zwsmall', disk],
                      stderr=subprocess.DEVNULL).returncode != 0:
        print('skipped: the full disk (no mount allowed here)')
        return
    try:
        write(disk, 'old.wmz', b'an older package')
        write(base, 'big/skin.wms', b'<theme/>')
        write(base, 'big/noise.png', os.urandom(1 << 20))
        check(run(*windows_paths(os.path.join(base, 'big'), os.path.join(disk, 'old.wmz'))) == 5, 'full disk gives 5')
        check(os.listdir(disk) == ['old.wmz'] and open(os.path.join(disk, 'old.wmz'), 'rb').read() ==
              b'an older package', 'old package kept on the full disk')
    finally:
        subprocess.run(['umount', '-l', disk])


def main():
    with tempfile.TemporaryDirectory() as base:
        root = os.path.join(base, 'skin')
        make_skin(root)
        package = os.path.join(root, 'Blue Skin.wmz')
        write(root, 'Blue Skin.wmz', b'an older package')  # replaced, never packed into itself
        check(run(*windows_paths(root, package)) == 0, 'a skin folder is packed')
        check_package(root, package)
        check(log_text().startswith(b'\xef\xbb\xbf') and b'result: 0' in log_text(), 'log of the run')

        old = write(base, 'out/old.wmz', b'an older package')
        for name, arguments, code in failure_cases(base):
            check(run(*arguments) == code, '%s gives %d' % (name, code))
            check(('result: %d' % code).encode() in log_text(), 'log of ' + name)
            check(open(old, 'rb').read() == b'an older package', 'old package kept after ' + name)
            check(sorted(os.listdir(os.path.join(base, 'out'))) == ['folder.wmz', 'old.wmz'],
                  'nothing left behind after ' + name)
        check(not os.path.exists(os.path.join(base, 'no such folder')), 'no output folder made')
        check_full_disk(base)
    print('package: %d failed checks' % len(FAILURES))
    return 1 if FAILURES else 0


if __name__ == '__main__':
    sys.exit(main())

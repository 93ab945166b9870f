#!/usr/bin/env python3
"""Writes the package fixtures that the reader's unit tests read back: packages made by
Info-ZIP's zip and by Python's zipfile. Run by hand from anywhere; the results are committed.
Every file holds its own name and a line feed, repeated: (name + "\\n") * count."""
import os
import shutil
import subprocess
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
WHEN = (2009, 2, 8, 12, 34, 56)


def body(name, count):
    return ((name + '\n') * count).encode('utf-8')


class Cp932Info(zipfile.ZipInfo):
    """A name in code page 932 with the UTF-8 flag clear, as old Japanese tools wrote them."""

    def _encodeFilenameFlags(self):
        return self.filename.encode('cp932'), self.flag_bits & ~0x800


def add(archive, name, count, method, info_class=zipfile.ZipInfo):
    info = info_class(name, WHEN)
    info.compress_type = method
    archive.writestr(info, body(name, count))


def make_python(path):
    with zipfile.ZipFile(path, 'w') as archive:
        add(archive, 'skin.wms', 50, zipfile.ZIP_DEFLATED)
        add(archive, 'stored.txt', 2, zipfile.ZIP_STORED)
        add(archive, 'ボタン/画像.bmp', 30, zipfile.ZIP_DEFLATED)
        add(archive, '日本語.js', 10, zipfile.ZIP_DEFLATED, Cp932Info)
        archive.comment = b'Python zipfile package'


def make_infozip(path, work):
    files = {'Blue.wms': 40, 'images/Back.bmp': 3, 'Café.js': 20}
    for name, count in files.items():
        os.makedirs(os.path.join(work, os.path.dirname(name)), exist_ok=True)
        with open(os.path.join(work, name), 'wb') as out:
            out.write(body(name, count))
    for folder, _, names in os.walk(work):
        for name in names + ['.']:
            os.utime(os.path.join(folder, name), (1234567890, 1234567890))
    env = dict(os.environ, TZ='UTC')
    # -n keeps .bmp files stored; -z reads the comment from standard input.
    subprocess.run(['zip', '-q', '-r', '-z', '-n', '.bmp', path, 'Blue.wms', 'images', 'Café.js'],
                   cwd=work, env=env, input=b'Info-ZIP package\n', check=True)


def make_methods(path, work):
    with zipfile.ZipFile(path, 'w') as archive:
        add(archive, 'good.txt', 5, zipfile.ZIP_STORED)
        add(archive, 'bzip2.txt', 40, zipfile.ZIP_BZIP2)
    with open(os.path.join(work, 'secret.txt'), 'wb') as out:
        out.write(body('secret.txt', 40))
    os.utime(os.path.join(work, 'secret.txt'), (1234567890, 1234567890))
    env = dict(os.environ, TZ='UTC')
    subprocess.run(['zip', '-q', '-P', 'secret', path, 'secret.txt'], cwd=work, env=env, check=True)


def main():
    work = tempfile.mkdtemp()
    try:
        for name in ('python.zip', 'infozip.zip', 'methods.zip'):
            if os.path.exists(os.path.join(HERE, name)):
                os.remove(os.path.join(HERE, name))
        make_python(os.path.join(HERE, 'python.zip'))
        make_infozip(os.path.join(HERE, 'infozip.zip'), os.path.join(work, 'infozip'))
        make_methods(os.path.join(HERE, 'methods.zip'), work)
    finally:
        shutil.rmtree(work)


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Builds the help files with chmcmd and checks compiled ones with chmls.

  chmtool.py build PROJECT.hhp SHARED.css OUT.chm [COPY_DIR]
  chmtool.py check FILE.chm...

Sources are UTF-8. HTML pages declare their charset and are compiled as they
are; the project, contents and index files are handed to chmcmd in code page
932, because HTML Help reads them (and the title) in the code page of the
project's Language, 0x411.
"""
import html.parser
import os
import re
import shutil
import subprocess
import sys
import tempfile

SITEMAP_CODEPAGE = "cp932"
NO_TOOLS = "chmcmd and chmls come with the Debian package fp-utils (tools/setup.sh installs it)"
SHARED_CSS = "help.css"


class SitemapParser(html.parser.HTMLParser):
    """Collects (Name, Local) of every sitemap object in a .hhc or .hhk."""

    def __init__(self):
        super().__init__()
        self.entries, self._params = [], None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "object" and a.get("type", "").lower() == "text/sitemap":
            self._params = {}
        elif tag == "param" and self._params is not None:
            self._params.setdefault(a.get("name", "").lower(), a.get("value", ""))

    def handle_endtag(self, tag):
        if tag == "object" and self._params is not None:
            self.entries.append((self._params.get("name", ""), self._params.get("local", "")))
            self._params = None


class PageParser(html.parser.HTMLParser):
    """Collects the link targets and the ids of one HTML page."""

    def __init__(self):
        super().__init__()
        self.links, self.ids = [], set()

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name == "id" or (tag == "a" and name == "name"):
                self.ids.add(value)
            elif name in ("href", "src") and value:
                self.links.append(value)


def sitemap_entries(text):
    p = SitemapParser()
    p.feed(text)
    return p.entries


def read_project(hhp):
    """Returns the [OPTIONS] dictionary and the [FILES] list of a project."""
    options, files, section = {}, [], None
    with open(hhp, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                section = line.strip("[]").upper()
            elif line and not line.startswith(";"):
                if section == "OPTIONS" and "=" in line:
                    key, value = line.split("=", 1)
                    options[key.strip().lower()] = value.strip()
                elif section == "FILES":
                    files.append(line.replace("\\", "/"))
    return options, files


def check_sources(src, options, files):
    """Every page named by the contents, the index or a link must exist."""
    errors = []
    listed = set(files)

    def need(path, where, must_be_listed=True):
        page = path.split("#", 1)[0]
        if not os.path.isfile(os.path.join(src, page)):
            errors.append(f"{where}: {page} does not exist")
        elif must_be_listed and page not in listed:
            errors.append(f"{where}: {page} is not listed under [FILES]")

    for key in ("contents file", "index file", "default topic"):
        if key not in options:
            errors.append(f"project: no '{key}'")
        else:
            need(options[key], "project", key == "default topic")
    for sitemap in (options.get("contents file"), options.get("index file")):
        if not sitemap or not os.path.isfile(os.path.join(src, sitemap)):
            continue
        with open(os.path.join(src, sitemap), encoding="utf-8") as f:
            entries = sitemap_entries(f.read())
        if not entries:
            errors.append(f"{sitemap}: no entries")
        for name, local in entries:
            if not name or not local:
                errors.append(f"{sitemap}: entry '{name}' has no name or page")
            else:
                need(local, sitemap)

    pages = {}
    for page in files:
        if not os.path.isfile(os.path.join(src, page)):
            errors.append(f"[FILES]: {page} does not exist")
        elif page.endswith(".html"):
            p = PageParser()
            with open(os.path.join(src, page), encoding="utf-8") as f:
                text = f.read()
            if not re.search(r'<meta http-equiv="Content-Type" content="text/html; charset=utf-8">', text):
                errors.append(f"{page}: no UTF-8 charset declaration")
            p.feed(text)
            pages[page] = p
    for page, p in pages.items():
        for link in p.links:
            if re.match(r"^[a-z][a-z0-9+.-]*:", link, re.I):
                continue
            target, _, anchor = link.partition("#")
            target = os.path.normpath(os.path.join(os.path.dirname(page), target)) if target else page
            target = target.replace(os.sep, "/")
            if target == SHARED_CSS:
                continue
            if target not in pages and not os.path.isfile(os.path.join(src, target)):
                errors.append(f"{page}: link to missing {target}")
            elif anchor and target in pages and anchor not in pages[target].ids:
                errors.append(f"{page}: link to missing anchor {target}#{anchor}")
    return errors


def to_sitemap_codepage(src_path, dst_path):
    with open(src_path, encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"charset=utf-8", "charset=shift_jis", text, flags=re.I)
    with open(dst_path, "wb") as f:
        f.write(text.replace("\n", "\r\n").encode(SITEMAP_CODEPAGE))


def build(hhp, css, out, copy_dir=None):
    src = os.path.dirname(os.path.abspath(hhp))
    options, files = read_project(hhp)
    errors = check_sources(src, options, files)
    if errors:
        return errors
    stage = os.path.splitext(os.path.abspath(out))[0] + ".stage"
    shutil.rmtree(stage, ignore_errors=True)
    os.makedirs(stage)
    for page in files:
        os.makedirs(os.path.join(stage, os.path.dirname(page)), exist_ok=True)
        shutil.copyfile(os.path.join(src, page), os.path.join(stage, page))
    shutil.copyfile(css, os.path.join(stage, SHARED_CSS))
    for name in (os.path.basename(hhp), options["contents file"], options["index file"]):
        to_sitemap_codepage(os.path.join(src, name), os.path.join(stage, name))
    try:
        run = subprocess.run(["chmcmd", "--no-html-scan", os.path.basename(hhp)], cwd=stage,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                             encoding="utf-8", errors="replace")
    except FileNotFoundError:
        return [NO_TOOLS]
    compiled = os.path.join(stage, options.get("compiled file", ""))
    if run.returncode != 0 or not os.path.isfile(compiled):
        return [f"chmcmd failed:\n{run.stdout}"]
    shutil.move(compiled, out)
    errors = check_chm(out)
    if not errors and copy_dir:
        os.makedirs(copy_dir, exist_ok=True)
        shutil.copyfile(out, os.path.join(copy_dir, os.path.basename(out)))
    return errors


def chmls(*args):
    return subprocess.run(["chmls", *args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          check=True).stdout


def system_records(data):
    """The records of a #SYSTEM file: code -> bytes."""
    records, pos = {}, 4
    while pos + 4 <= len(data):
        code, size = int.from_bytes(data[pos:pos + 2], "little"), int.from_bytes(data[pos + 2:pos + 4], "little")
        records[code] = data[pos + 4:pos + 4 + size]
        pos += 4 + size
    return records


def decode_sitemap_text(raw, what):
    """Sitemap text must be code page 932; UTF-8 would show as mojibake."""
    if any(b >= 0x80 for b in raw):
        try:
            raw.decode("utf-8")
            raise ValueError(f"{what} is UTF-8, not code page 932")
        except UnicodeDecodeError:
            pass
    return raw.decode(SITEMAP_CODEPAGE)


def check_chm(chm):
    """Every page named in the contents of a compiled file is in it."""
    name = os.path.basename(chm)
    if not os.path.isfile(chm):
        return [f"{name}: missing"]
    try:
        listing = chmls("-n", "-p", "list", chm).decode("latin-1").splitlines()
    except FileNotFoundError:
        return [NO_TOOLS]
    inside = {line[1:] for line in listing if line.startswith("/") and not line.endswith("/")}
    errors = []
    with tempfile.TemporaryDirectory() as tmp:
        def extract(member):
            path = os.path.join(tmp, member.replace("/", "_").lstrip("#"))
            chmls("extract", chm, "/" + member, path)
            with open(path, "rb") as f:
                return f.read()

        records = system_records(extract("#SYSTEM"))
        try:
            title = decode_sitemap_text(records.get(3, b"").rstrip(b"\0"), "title")
            lcid = int.from_bytes(records.get(4, b"\0\0\0\0")[:4], "little")
            if lcid != 0x411:
                errors.append(f"{name}: language 0x{lcid:x}, not 0x411")
            if not title:
                errors.append(f"{name}: no title")
            default = records.get(2, b"").rstrip(b"\0").decode("ascii")
            if default not in inside:
                errors.append(f"{name}: default topic {default} missing")
            tocs = [m for m in inside if m.endswith(".hhc")]
            if len(tocs) != 1:
                return errors + [f"{name}: {len(tocs)} contents files"]
            entries = sitemap_entries(decode_sitemap_text(extract(tocs[0]), tocs[0]))
        except (ValueError, UnicodeDecodeError) as e:
            return errors + [f"{name}: {e}"]
    if not entries:
        errors.append(f"{name}: empty contents")
    for entry, local in entries:
        if local.split("#", 1)[0] not in inside:
            errors.append(f"{name}: contents entry '{entry}' names {local}, which is not in the file")
    pages = sum(1 for m in inside if m.endswith(".html"))
    if not errors:
        print(f"{name}: '{title}', {pages} pages, {len(entries)} contents entries, all present")
    return errors


def main(argv):
    if len(argv) >= 4 and argv[0] == "build":
        errors = build(*argv[1:5])
    elif len(argv) >= 2 and argv[0] == "check":
        errors = [e for chm in argv[1:] for e in check_chm(chm)]
    else:
        print(__doc__, file=sys.stderr)
        return 2
    for e in errors:
        print(f"error: {e}", file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

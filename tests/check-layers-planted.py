#!/usr/bin/env python3
"""The layer check catches what it is for: on a scratch copy of the sources it passes, then
fails on each kind of violation planted there one at a time, naming the planted file.
Usage: check-layers-planted.py (the tree is the one this script lies in)."""
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CHECK = "tests/check-layers.py"
FOLDERS = ["shared", "editor", "explorer", "setupmaker", "converter", "packager"]

# What is planted, as a new file and its text.
PLANTS = [
    ("a core .cpp takes an HWND and calls MessageBoxW", "editor/core/planted.cpp",
     '#include <windows.h>\nvoid Tell(HWND owner) { MessageBoxW(owner, L"", L"", MB_OK); }\n'),
    ("an include written with a path reaches up", "editor/document/planted.cpp", '#include "../shell/commands.h"\n'),
    ("one program includes another's file", "explorer/planted.cpp", '#include "../editor/shell/main_window.h"\n'),
    ("shared/skin includes <shellapi.h>", "shared/skin/planted.cpp", "#include <shellapi.h>\n"),
    ("shared/skin includes <uxtheme.h>", "shared/skin/planted.h", "#include <uxtheme.h>\n"),
    ("shared/ includes a program's header", "shared/planted.cpp", '#include "document_files.h"\n'),
    ("a core includes a UI header", "editor/core/planted.h", '#include "editor_context.h"\n'),
    ("a lower UI folder includes the shell", "editor/settings/planted.cpp", '#include "editor.h"\n'),
    ("a UI folder includes one beside it", "editor/wizards/planted.cpp", '#include "document_files.h"\n'),
]


def run_check(tree):
    result = subprocess.run([sys.executable, str(tree / CHECK)], capture_output=True, text=True)
    return result.returncode, result.stdout + result.stderr


def main():
    failures = []
    with tempfile.TemporaryDirectory(prefix="layers-") as scratch:
        tree = Path(scratch)
        for folder in FOLDERS:
            shutil.copytree(ROOT / folder, tree / folder, ignore=shutil.ignore_patterns("*.ico", "*.bmp"))
        (tree / "tests").mkdir()
        shutil.copy(ROOT / CHECK, tree / CHECK)
        code, output = run_check(tree)
        if code != 0:
            failures.append(f"the clean copy fails the check:\n{output}")
        for kind, name, text in PLANTS:
            planted = tree / name
            planted.write_text(text, encoding="utf-8")
            code, output = run_check(tree)
            planted.unlink()
            if code != 1 or name not in output:
                failures.append(f"not caught: {kind} ({name}); the check said (exit {code}):\n{output}")
    print("\n".join(failures) if failures else f"the check caught all {len(PLANTS)} kinds of violation")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

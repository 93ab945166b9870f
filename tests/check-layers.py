#!/usr/bin/env python3
"""Checks the two layers of every program and of shared/: no include circles among a
program's files, and window-free cores. A folder named core/ (and shared/skin/) is core;
its files include no window header, no header of a UI folder, and their headers take no
HWND or HDC. Usage: check-layers.py ROOT [--skip FOLDER ...]; prints every fault, exits 1
on any."""
import re
import sys
from pathlib import Path

PROGRAMS = ["shared", "editor", "explorer", "setupmaker", "converter", "packager"]
WINDOW_HEADERS = {"commctrl.h", "commdlg.h", "richedit.h", "shlobj.h", "prsht.h", "windowsx.h", "htmlhelp.h"}
# Header lines allowed a window type, with the reason.
ALLOWED = {("shared/skin/skin_text.h", "HDC"): "a memory DC that draws text off screen, never a window's"}
# One component over several files: the view renderer, whose painter header its files share.
ONE_COMPONENT = [{"skin_canvas", "skin_painter", "skin_render", "skin_text"}]
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
WINDOW_TYPE = re.compile(r"\b(HWND|HDC)\b")


def is_core(path):
    return "core" in path.parts or path.parts[:2] == ("shared", "skin")


def main(argv):
    root = Path(argv[1]).resolve()
    skip = set(argv[argv.index("--skip") + 1:]) if "--skip" in argv else set()
    sources = sorted(p.relative_to(root) for folder in PROGRAMS for p in (root / folder).rglob("*")
                     if p.suffix in (".h", ".cpp"))
    by_name = {}
    for path in sources:
        by_name.setdefault(path.name, []).append(path)
    faults = []
    graphs = {folder: {} for folder in PROGRAMS}
    for path in sources:
        program = path.parts[0]
        text = (root / path).read_text(encoding="utf-8")
        for kind, name in INCLUDE.findall(text):
            if kind == "<":
                if is_core(path) and name.lower() in WINDOW_HEADERS:
                    faults.append(f"{path}: core includes the window header <{name}>")
                continue
            # A bare name resolves first inside the program, as its include folders do.
            found = sorted(by_name.get(name, []), key=lambda p: p.parts[0] != program)
            if not found:
                continue
            header = found[0]
            if is_core(path) and not is_core(header):
                faults.append(f"{path}: core includes {header}, which is UI")
            if header.parts[0] == program and header.stem != path.stem:
                graphs[program].setdefault(path.stem, set()).add(header.stem)
        if is_core(path) and path.suffix == ".h":
            for number, line in enumerate(text.splitlines(), 1):
                for match in WINDOW_TYPE.findall(line):
                    if (str(path), match) not in ALLOWED:
                        faults.append(f"{path}:{number}: core header takes a {match}")
    for program, graph in graphs.items():
        if program not in skip:
            faults += [f"{program}: include circle {' -> '.join(circle)}" for circle in circles(graph)
                       if not any(set(circle) <= component for component in ONE_COMPONENT)]
    faults = [fault for fault in faults if fault.split("/")[0].split(":")[0] not in skip]
    print("\n".join(faults) if faults else f"layers hold ({len(sources)} files; skipped: {', '.join(sorted(skip)) or 'none'})")
    return 1 if faults else 0


def circles(graph):
    """One circle for every module that lies on one, found by depth-first search."""
    found, state = [], {}

    def visit(node, trail):
        state[node] = "open"
        for next_node in sorted(graph.get(node, ())):
            if state.get(next_node) == "open":
                found.append(trail[trail.index(next_node):] + [next_node])
            elif next_node not in state:
                visit(next_node, trail + [next_node])
        state[node] = "done"

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])
    return found


if __name__ == "__main__":
    sys.exit(main(sys.argv))

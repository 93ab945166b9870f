#!/usr/bin/env python3
"""The layer rule of the README, checked as written. Every program declares the order of its
folders, lowest first; shared/ lies below every program. A file may include files of its own
folder, of the floors below it in its program and of shared/ (shared/ only its own floors);
folders on one floor include each other only through the headers declared below; no program
includes another program's files. Window-free folders (a program's core/, shared/core,
shared/skin, shared/zip) include no window header, call no window API and name no HWND.
Includes resolve as the build does: quoted paths first beside the including file, then in
the program's folders and shared/'s. No include circles among a program's files.

Usage: check-layers.py [ROOT]; ROOT defaults to the tree this script lies in. Prints every
fault and exits 1 on any."""
import re
import sys
from pathlib import Path

# Per program, its floors from the bottom up; a floor lists folders under the program's own
# ("" is the program's top folder). shared/ comes first: it is below everything else.
FLOORS = {
    "shared": [["core"], ["zip", "skin"], [""]],
    "editor": [["core"], [""], ["context"], ["document", "settings", "wizards"], ["shell"]],
    "explorer": [["core"], [""]],
    "setupmaker": [[""]],
    "converter": [["core"], [""]],
    "packager": [["core"], [""]],
}
WINDOW_FREE = {("shared", "core"), ("shared", "zip"), ("shared", "skin")} | {
    (program, "core") for program in FLOORS}
# Headers one folder of a floor may take from another folder of the same floor, with the reason:
# {("editor/wizards", "editor/document/some_header.h"): "why"}. None is needed today.
DECLARED = {}

# Headers of windows, dialogs, controls and the shell's UI; a window-free folder includes none.
WINDOW_HEADERS = {
    "commctrl.h", "commdlg.h", "cderr.h", "colordlg.h", "dlgs.h", "prsht.h", "richedit.h", "richole.h",
    "shellapi.h", "shlobj.h", "shlobj_core.h", "shobjidl.h", "shobjidl_core.h", "exdisp.h", "mshtml.h",
    "htmlhelp.h", "uxtheme.h", "vsstyle.h", "vssym32.h", "dwmapi.h", "windowsx.h", "winuser.h", "winable.h",
    "olectl.h", "ocidl.h", "oledlg.h", "tpcshrd.h", "zmouse.h",
}
# Calls that make, show, message or ask a window. Calls of a member of the project's own (painter.DrawText) do not count.
WINDOW_APIS = re.compile(r"(?<![.>:\w])(" + "|".join([
    r"MessageBox\w*", r"CreateWindow\w*", r"DestroyWindow", r"ShowWindow\w*", r"SendMessage\w*",
    r"PostMessage\w*", r"SendDlgItemMessage\w*", r"GetDlgItem\w*", r"SetDlgItem\w*", r"CheckDlgButton",
    r"IsDlgButtonChecked", r"DialogBox\w*", r"CreateDialog\w*", r"EndDialog", r"SetWindow\w*",
    r"GetWindow\w*", r"DefWindowProc\w*", r"DefDlgProc\w*", r"CallWindowProc\w*", r"RegisterClass\w*",
    r"GetMessage\w*", r"PeekMessage\w*", r"DispatchMessage\w*", r"TranslateMessage", r"IsDialogMessage\w*",
    r"MoveWindow", r"InvalidateRect", r"UpdateWindow", r"GetClientRect", r"FindWindow\w*", r"SetFocus",
    r"EnableWindow", r"IsWindow", r"IsWindowVisible", r"IsWindowEnabled", r"IsWindowUnicode", r"SetTimer", r"KillTimer", r"TrackPopupMenu\w*", r"LoadMenu\w*",
    r"GetMenu", r"EnableMenuItem", r"GetForegroundWindow", r"SetForegroundWindow", r"SetActiveWindow",
    r"GetOpenFileName\w*", r"GetSaveFileName\w*", r"ChooseColor\w*", r"SHBrowseForFolder\w*",
    r"ShellExecute\w*", r"HtmlHelp\w*", r"InitCommonControls\w*", r"ImageList_\w+",
    r"BeginPaint", r"EndPaint", r"GetDC", r"GetWindowDC", r"ReleaseDC", r"RedrawWindow", r"ScreenToClient",
    r"ClientToScreen", r"SetCapture", r"ReleaseCapture", r"GetCursorPos", r"SetCursor", r"LoadCursor\w*",
    r"LoadIcon\w*", r"CreateMenu", r"CreatePopupMenu", r"AppendMenu\w*", r"InsertMenu\w*", r"CheckMenuItem",
    r"DrawMenuBar", r"LoadAccelerators\w*", r"TranslateAccelerator\w*", r"MessageBeep", r"TaskDialog\w*",
    r"PropertySheet\w*", r"CreatePropertySheetPage\w*", r"Shell_NotifyIcon\w*", r"DragQueryFile\w*",
    r"DragAcceptFiles", r"SHGetFileInfo\w*", r"SHFileOperation\w*", r"PostQuitMessage",
]) + r")\s*\(")
WINDOW_TYPE = re.compile(r"\bHWND\b")
DEVICE_CONTEXT = re.compile(r"\bHDC\b")
# Window pieces a window-free file may hold, with the reason.
ALLOWED = {
    ("shared/skin/skin_text.h", "HDC"): "a memory DC that draws text off screen, never a window's",
    ("editor/core/command_line.cpp", "shellapi.h"): "CommandLineToArgvW, the system's own split of a command line",
}
INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*([<"])([^>"]+)[>"]', re.M)
COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)
STRING = re.compile(r'L?"(?:\\.|[^"\\\n])*"')


def place(path):
    """(program, folder) of a file relative to the root; folder "" is the program's top."""
    parts = path.parts
    return parts[0], "/".join(parts[1:-1])


def floor_of(program, folder):
    """The floor index of a folder: the declared folder it lies in, nearest first."""
    for index, floor in enumerate(FLOORS[program]):
        for name in floor:
            if folder == name or (name and folder.startswith(name + "/")):
                return index, name
    return len(FLOORS[program]) - 1, ""


def code_of(text):
    """The text without comments and string literals, so that names in them do not count."""
    return STRING.sub('""', COMMENT.sub(" ", text))


class Tree:
    def __init__(self, root):
        self.root = root
        self.files = sorted(p.relative_to(root) for program in FLOORS for p in (root / program).rglob("*")
                            if p.suffix in (".h", ".cpp") and p.is_file())
        self.known = set(self.files)
        self.by_name = {}
        for path in self.files:
            self.by_name.setdefault(path.name, []).append(path)

    def resolve(self, source, name):
        """The file a quoted include names, as the build finds it: beside the including file
        first (a path such as ../shell/commands.h from there), else in an include folder,
        the program's own before shared/'s; None for a header outside the tree."""
        written = name.replace("\\", "/").split("/")
        beside = _normalise(list(source.parent.parts) + written)
        if beside and Path(*beside) in self.known:
            return Path(*beside)
        tail = tuple(part for part in written if part not in (".", ".."))
        found = [p for p in self.files if p.parts[-len(tail):] == tail]
        if not found:
            return None
        program = source.parts[0]
        # The program's own folders first, then shared/'s, then whatever else holds it.
        return sorted(found, key=lambda p: (p.parts[0] != program, p.parts[0] != "shared", str(p)))[0]


def _normalise(parts):
    """The parts with . and .. taken out; None for a path that leaves the root."""
    out = []
    for part in parts:
        if part == "..":
            if not out:
                return None
            out.pop()
        elif part != ".":
            out.append(part)
    return out


def include_faults(path, header):
    program, folder = place(path)
    target_program, target_folder = place(header)
    if target_program != program:
        if target_program != "shared":
            return [f"{path}: includes {header}, a file of another program"]
        return []
    floor, name = floor_of(program, folder)
    target_floor, target_name = floor_of(program, target_folder)
    where = f"{program}/{name}".rstrip("/")
    if target_floor > floor:
        return [f"{path}: includes {header}, which lies above {where}/ in {program}'s floors"]
    if target_floor == floor and target_name != name and (where, str(header)) not in DECLARED:
        return [f"{path}: includes {header}, a folder beside {where}/ whose header is not declared"]
    return []


def window_faults(path, text):
    faults = []
    code = code_of(text)
    for number, line in enumerate(code.splitlines(), 1):
        for call in WINDOW_APIS.findall(line):
            faults.append(f"{path}:{number}: window-free code calls {call}")
        if WINDOW_TYPE.search(line) and (str(path), "HWND") not in ALLOWED:
            faults.append(f"{path}:{number}: window-free code takes an HWND")
        if path.suffix == ".h" and DEVICE_CONTEXT.search(line) and (str(path), "HDC") not in ALLOWED:
            faults.append(f"{path}:{number}: window-free header takes an HDC")
    return faults


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


def check(root):
    tree = Tree(root)
    faults = []
    graphs = {program: {} for program in FLOORS}
    for path in tree.files:
        program, folder = place(path)
        window_free = (program, floor_of(program, folder)[1]) in WINDOW_FREE
        text = (root / path).read_text(encoding="utf-8")
        for kind, name in INCLUDE.findall(code_of_includes(text)):
            header = tree.resolve(path, name) if kind == '"' else None
            if header is None:
                if window_free and name.lower().split("/")[-1] in WINDOW_HEADERS and \
                        (str(path), name.lower()) not in ALLOWED:
                    faults.append(f"{path}: window-free code includes the window header <{name}>")
                continue
            faults += include_faults(path, header)
            if header.parts[0] == program and header.with_suffix("") != path.with_suffix(""):
                graphs[program].setdefault(str(path.with_suffix("")), set()).add(str(header.with_suffix("")))
        if window_free:
            faults += window_faults(path, text)
    for program, graph in graphs.items():
        faults += [f"{program}: include circle {' -> '.join(circle)}" for circle in circles(graph)]
    return tree, faults


def code_of_includes(text):
    """The text without comments, strings kept: include lines stay whole."""
    return COMMENT.sub(" ", text)


def main(argv):
    root = Path(argv[1]).resolve() if len(argv) > 1 else Path(__file__).resolve().parent.parent
    tree, faults = check(root)
    print("\n".join(faults) if faults else f"layers hold ({len(tree.files)} files)")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

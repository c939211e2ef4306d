#!/usr/bin/env python3
"""Checks that the module's folders stack like floors: each folder includes only
folders added before it in the module's CMakeLists.txt, so that the include graph
has no cycle, and portable code (a logic/ folder) includes only portable code:
other logic/ folders, or headers that stand alone (no source of their own) and
need no Windows headers, such as the text and resource ids.

Tests and fakes count like the rest: a test may use a lower floor's fakes.
Prints each folder's includes of other folders; exits 1 on a break.
Usage: tools/check-floors.py [module folder]
"""
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
MODULE = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "modules/src/windows/diag/kvorkeyboard"
SOURCES = {".h", ".cpp", ".rc"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def floors():
    """The folders in the order the module's CMakeLists.txt adds them."""
    text = (MODULE / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.findall(r"^\s*add_subdirectory\((\w+)\)", text, re.MULTILINE)


def includes(source):
    text = source.read_text(encoding="utf-8", errors="replace")
    return INCLUDE.findall(text), "<windows.h>" in text


def portable(relative, seen=()):
    """Whether code that builds natively may include this file."""
    if "logic" in relative.parts[:-1]:
        return True
    source = MODULE / relative
    if source.suffix != ".h" or source.with_suffix(".cpp").exists():
        return False
    names, windows = includes(source)
    targets = (included(source, name) for name in names)
    return not windows and all(t is None or t in seen or portable(t, seen + (relative,)) for t in targets)


def included(source, name):
    """The module-relative path an include names, or None when it is outside."""
    for base in (source.parent, MODULE):
        target = (base / name).resolve()
        if target.is_file() and MODULE in target.parents:
            return target.relative_to(MODULE)
    return None


def main():
    order = floors()
    level = {name: i for i, name in enumerate(order)}
    breaks = []
    for folder in sorted(p.name for p in MODULE.iterdir() if p.is_dir()):
        if folder not in level:
            breaks.append(f"{folder}/ is no floor: the module's CMakeLists.txt does not add it")
    edges = {}
    for source in sorted(MODULE.rglob("*")):
        if source.suffix not in SOURCES or not source.is_file():
            continue
        relative = source.relative_to(MODULE)
        floor = relative.parts[0]
        for name in includes(source)[0]:
            target = included(source, name)
            if target is None:
                continue
            below = target.parts[0]
            if below != floor:
                edges.setdefault(floor, set()).add(below)
                if level.get(below, -1) >= level.get(floor, -1):
                    breaks.append(f"{relative} includes {target}: {below}/ is not below {floor}/")
            if portable(relative) and not portable(target):
                breaks.append(f"{relative} is portable but includes {target}")
    for floor in order:
        print(f"{floor}: {' '.join(sorted(edges.get(floor, ()), key=level.get)) or '-'}")
    for line in breaks:
        print(f"BREAK {line}")
    return 1 if breaks else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Fails when folders of src/ include each other in a cycle.

Every folder under src/ that holds source files, subfolders included, is a node of its own:
ui, ui/help and ui/accessibility are three. Every `#include "a/b/file.h"` in a file directly in
src/<folder>/ is an edge from <folder> to a/b. Prints the folder graph, and the cycle when there
is one."""
import pathlib
import re
import sys

source = pathlib.Path(sys.argv[1])
files = [path for path in source.rglob("*") if path.suffix in {".h", ".cpp"}]
folders = {path.parent.relative_to(source).as_posix() for path in files}
edges = {folder: set() for folder in folders}
include = re.compile(r'^\s*#\s*include\s+"([^"]+)/[^/"]+"', re.MULTILINE)
for path in files:
    owner = path.parent.relative_to(source).as_posix()
    for target in include.findall(path.read_text(encoding="utf-8", errors="replace")):
        if target in folders and target != owner:
            edges[owner].add(target)

for folder in sorted(edges):
    print(f"{folder} -> {', '.join(sorted(edges[folder])) or '(nothing)'}")

state = {}  # folder -> "open" while on the search path, "done" once finished


def visit(folder, path):
    state[folder] = "open"
    for target in sorted(edges[folder]):
        if state.get(target) == "open":
            cycle = path[path.index(target):] + [target]
            sys.exit("include cycle between folders: " + " -> ".join(cycle))
        if target not in state:
            visit(target, path + [target])
    state[folder] = "done"


for folder in sorted(edges):
    if folder not in state:
        visit(folder, [folder])

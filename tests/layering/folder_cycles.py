#!/usr/bin/env python3
"""Fails when the folders of src/ include each other in a cycle.

Every `#include "folder/..."` in a file under src/<folder>/ is an edge from that folder to the
named one (top-level folders only: app/association counts as app). Prints the folder graph, and
the cycle when there is one."""
import pathlib
import re
import sys

source = pathlib.Path(sys.argv[1])
folders = {path.name for path in source.iterdir() if path.is_dir()}
edges = {folder: set() for folder in folders}
include = re.compile(r'^\s*#\s*include\s+"([^/"]+)/', re.MULTILINE)
for path in source.rglob("*"):
    if path.suffix in {".h", ".cpp"}:
        owner = path.relative_to(source).parts[0]
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

#!/usr/bin/env python3
"""Fails on an include that runs against the layers of the source folders.

Every folder under src/ is a node; an include "x/y/File.h" from a file in
folder f is an edge f -> x/y. The layers, from the bottom:
  core    every top-level folder not named below (base/, calendar/, notes/...):
          plain C++, includes only core folders
  cli     the command-line program: includes core and view (its PDF pages)
  view    the painting of the calendar: includes core
  ui      widgets and the window context shared by all windows: core, view
  gtk     <subsystem>/gtk/, the windows of a subsystem: core, view, ui, gtk
  app     the program: anything but cli
Nothing includes app/ (but app itself), and the folder graph has no cycle.

  check_folder_layers.py SRC        checks a source tree
  check_folder_layers.py --self-test  shows that a bad tree is refused
"""
import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
ALLOWED = {
    "core": {"core"},
    "cli": {"core", "view"},
    "view": {"core"},
    "ui": {"core", "view"},
    "gtk": {"core", "view", "ui", "gtk"},
    "app": {"core", "view", "ui", "gtk"},
}


def layer(folder):
    top = folder.split("/")[0]
    if folder.endswith("/gtk"):
        return "gtk"
    if top in ("cli", "view", "ui", "app"):
        return top
    return "core"


def folder_edges(src):
    edges = {}  # (from, to) -> first file that makes the edge
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            here = os.path.relpath(root, src).replace(os.sep, "/")
            with open(path, encoding="utf-8", errors="replace") as f:
                for line in f:
                    m = INCLUDE.match(line)
                    if not m or "/" not in m.group(1):
                        continue
                    there = m.group(1).rsplit("/", 1)[0]
                    if there != here:
                        edges.setdefault((here, there), f"{here}/{name}")
    return edges


def cycles(edges):
    """Strongly connected components with more than one folder (Tarjan)."""
    graph = {}
    for a, b in edges:
        graph.setdefault(a, set()).add(b)
        graph.setdefault(b, set())
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph[v]):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return found


def problems(src):
    edges = folder_edges(src)
    out = []
    for (a, b), where in sorted(edges.items()):
        if layer(b) not in ALLOWED[layer(a)]:
            out.append(f"{layer(a)} folder {a} includes {layer(b)} folder {b} ({where})")
    for component in cycles(edges):
        inside = [f"{a} -> {b} ({w})" for (a, b), w in sorted(edges.items())
                  if a in component and b in component]
        out.append("include cycle between " + ", ".join(component) + ":\n    " + "\n    ".join(inside))
    return out


def self_test():
    bad_trees = {
        "core includes app": {"notes/A.h": '#include "app/B.h"', "app/B.h": ""},
        "window includes app": {"notes/gtk/W.h": '#include "app/B.h"', "app/B.h": ""},
        "view includes ui": {"view/V.h": '#include "ui/U.h"', "ui/U.h": ""},
        "core includes a window": {"marks/M.h": '#include "notes/gtk/W.h"', "notes/gtk/W.h": ""},
        "cycle of core folders": {"notes/A.h": '#include "marks/B.h"', "marks/B.h": '#include "notes/A.h"'},
    }
    good_tree = {"notes/A.h": '#include "base/B.h"', "base/B.h": "", "notes/gtk/W.cpp": '#include "ui/U.h"',
                 "ui/U.h": '#include "view/V.h"', "view/V.h": '#include "notes/A.h"',
                 "app/M.cpp": '#include "notes/gtk/W.h"\n#include "notes/A.h"'}
    failed = False
    for what, tree in list(bad_trees.items()) + [("good tree", good_tree)]:
        with tempfile.TemporaryDirectory() as src:
            for rel, text in tree.items():
                os.makedirs(os.path.dirname(os.path.join(src, rel)), exist_ok=True)
                with open(os.path.join(src, rel), "w") as f:
                    f.write(text + "\n")
            refused = bool(problems(src))
            if refused != (what != "good tree"):
                print(f"self-test: {what} {'refused' if refused else 'accepted'}")
                failed = True
    print("self-test failed" if failed else "self-test passed")
    return 1 if failed else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    found = problems(sys.argv[1])
    for p in found:
        print(p)
    if found:
        return 1
    print("folders layer: no forbidden edge, no cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The alkynes authors
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks that the links of every target match what its sources include.

  check-links.py SOURCE_DIR TARGETS_TSV

TARGETS_TSV is what scripts/Targets.cmake wrote of the configured build:
each target's folder, sources and links.  A target's files are its sources,
the headers of its own folder that they include, and for the library named
after its folder every header of that folder (another library made in the
same folder, such as app/'s first_frame, has only its own files).  Every `#include "folder/..."` in them
names a folder, the longest folder of some target that the path lies in.
The check fails on

  * an include of another folder whose targets the target does not link
    (or a folder with no library to link at all);
  * a link to a target of another folder that nothing includes;
  * a library's link that is PRIVATE although a header of the library
    includes the folder, or PUBLIC although only its sources do;
  * a link that runs up the layers: the layers are the rows of the layout
    table in README.md, top layer first.  A test (a target of a `tests`
    folder) stands on its folder's layer and may also use the folders
    beside the layers (`testing`); the program's folders use none of them.
"""

import os
import re
import sys
from collections import defaultdict

INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*"([^"]+)"', re.M)
LAYER_ROW = re.compile(r"^\|\s*`([a-z0-9_]+)/`\s*\|\s*`([A-Za-z0-9_]+)`\s*\|")
HEADER = (".h", ".hpp")


def read_layers(readme):
    """The layout table of the README, top layer first: [(folder, target)]."""
    with open(readme, encoding="utf-8") as f:
        text = f.read()
    if "\n## Layout" not in text:
        sys.exit(f"{readme}: no '## Layout' section")
    section = text.split("\n## Layout", 1)[1].split("\n## ", 1)[0]
    layers = []
    in_table = False
    for line in section.splitlines():
        row = LAYER_ROW.match(line)
        if row:
            layers.append((row.group(1), row.group(2)))
            in_table = True
        elif in_table and not line.startswith("|"):
            break  # the table beside it lists no layers
    if not layers:
        sys.exit(f"{readme}: the layout table has no rows")
    return layers


class Target:
    def __init__(self, name):
        self.name = name
        self.type = None
        self.folder = None
        self.sources = []
        self.links = {}  # target name -> PUBLIC, PRIVATE or INTERFACE

    @property
    def library(self):
        return self.type != "EXECUTABLE"

    @property
    def test(self):
        return "tests" in self.folder.split("/")


def read_targets(path, root):
    targets = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            t = targets.setdefault(fields[0], Target(fields[0]))
            if fields[1] == "type":
                t.type, t.folder = fields[2], fields[3]
            elif fields[1] == "source":
                t.sources.append(fields[2])
            elif fields[1] == "link":
                t.links[fields[2]] = fields[3]
    # A target made by a function of another folder (the about window's
    # texts for another school) belongs where all its sources lie.
    build = os.path.dirname(os.path.abspath(path))
    for t in targets.values():
        dirs = {os.path.relpath(os.path.dirname(s), root) for s in t.sources
                if not s.startswith(build + "/")}
        if len(dirs) == 1 and not next(iter(dirs)).startswith((".", "..")):
            t.folder = dirs.pop()
    # The resource libraries that Qt makes of a target's resources hold only
    # what rcc generated, and are Qt's, not a folder's.
    kept = {name: t for name, t in targets.items()
            if not t.sources or not all("/.rcc/" in s for s in t.sources)}
    for t in kept.values():
        t.links = {name: how for name, how in t.links.items() if name in kept}
    return kept


def includes(path):
    """(line number, included path) of every quoted include of the file."""
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
    except FileNotFoundError:
        return []
    found = []
    for m in INCLUDE.finditer(text):
        found.append((text.count("\n", 0, m.start()) + 1, m.group(1)))
    return found


class Checker:
    def __init__(self, root, targets, layers):
        self.root = root
        self.targets = targets
        self.layers = {folder: i for i, (folder, _) in enumerate(layers)}
        self.layer_targets = layers
        self.folders = defaultdict(list)  # folder -> its targets
        for t in targets.values():
            self.folders[t.folder].append(t)
        self.problems = []

    def problem(self, text):
        self.problems.append(text)

    def rel(self, path):
        return os.path.relpath(path, self.root)

    def folder_of(self, included):
        """The folder of the targets that an included path belongs to."""
        best = None
        for folder in self.folders:
            if folder and included.startswith(folder + "/"):
                if best is None or len(folder) > len(best):
                    best = folder
        return best

    def files(self, t):
        """The files of target t, each with whether it is a header of t."""
        own = os.path.join(self.root, t.folder)
        start = list(t.sources)
        if t.library and t.name == t.folder and os.path.isdir(own):
            start += [os.path.join(own, n) for n in sorted(os.listdir(own)) if n.endswith(HEADER)]
        seen = set()
        queue = [os.path.normpath(p) for p in start]
        while queue:
            path = queue.pop()
            if path in seen:
                continue
            seen.add(path)
            yield path
            for _, included in includes(path):
                if self.folder_of(included) == t.folder:
                    queue.append(os.path.join(self.root, included))

    def layer(self, folder):
        return self.layers.get(folder.split("/")[0])

    def check(self, t):
        needed = defaultdict(list)  # folder -> [(file, line, include, from a header)]
        for path in self.files(t):
            header = path.endswith(HEADER) and os.path.dirname(path) == os.path.join(
                self.root, t.folder)
            for line, included in includes(path):
                folder = self.folder_of(included)
                if folder is None:
                    if "/" in included and os.path.isdir(
                            os.path.join(self.root, included.split("/")[0])):
                        self.problem(f"{self.rel(path)}:{line}: {t.name} includes "
                                     f"\"{included}\", of a folder that no target is made in")
                    continue
                if folder != t.folder:
                    needed[folder].append((path, line, included, header))

        linked = defaultdict(list)  # folder -> [(target, how)]
        for name, how in t.links.items():
            linked[self.targets[name].folder].append((name, how))

        for folder, uses in sorted(needed.items()):
            path, line, included, _ = uses[0]
            where = f"{self.rel(path)}:{line}"
            libraries = [x for x in self.folders[folder] if x.library]
            if not libraries:
                self.problem(f"{where}: {t.name} includes \"{included}\", but {folder}/ "
                             f"makes no library to link")
            elif folder not in linked:
                names = " or ".join(x.name for x in libraries)
                self.problem(f"{where}: {t.name} includes \"{included}\" but does not link "
                             f"{names}")
        for folder, links in sorted(linked.items()):
            for name, how in links:
                self.check_link(t, self.targets[name], how, needed.get(folder))

    def check_link(self, t, to, how, uses):
        if to.folder == t.folder:
            return  # a part of the same folder
        if not uses:
            self.problem(f"{t.name} links {to.name}, but none of its files includes anything "
                         f"of {to.folder}/")
            return
        if t.library and t.type != "INTERFACE_LIBRARY":
            from_header = [u for u in uses if u[3]]
            if from_header and how == "PRIVATE":
                path, line, included, _ = from_header[0]
                self.problem(f"{self.rel(path)}:{line}: a header of {t.name} includes "
                             f"\"{included}\": {t.name} must link {to.name} PUBLIC")
            elif not from_header and how != "PRIVATE":
                self.problem(f"{t.name} links {to.name} {how}, but no header of {t.name} "
                             f"includes {to.folder}/: PRIVATE")
        mine, theirs = self.layer(t.folder), self.layer(to.folder)
        if mine is None:
            return  # beside the layers (testing, bench, fuzz): may use any of them
        if theirs is None or (to.test and not t.test):
            if not t.test:
                self.problem(f"{t.name} ({t.folder}/) is part of the program but links "
                             f"{to.name} ({to.folder}/), which is not")
        elif theirs < mine:
            self.problem(f"{t.name} ({t.folder}/) links {to.name} ({to.folder}/), a layer "
                         f"above it in README.md")

    def check_table(self):
        for folder, name in self.layer_targets:
            t = self.targets.get(name)
            if t is None or t.folder != folder:
                self.problem(f"README.md: the layout table names {name} the target of "
                             f"{folder}/, but CMake makes no {name} there")


def main():
    if len(sys.argv) != 3:
        sys.exit(f"usage: {sys.argv[0]} SOURCE_DIR TARGETS_TSV")
    root = os.path.abspath(sys.argv[1])
    targets = read_targets(sys.argv[2], root)
    checker = Checker(root, targets, read_layers(os.path.join(root, "README.md")))
    checker.check_table()
    for name in sorted(targets):
        checker.check(targets[name])
    for text in checker.problems:
        print(text)
    links = sum(len(t.links) for t in targets.values())
    if checker.problems:
        print(f"{len(checker.problems)} problems in the links of {len(targets)} targets")
        return 1
    print(f"{len(targets)} targets, {links} links to targets of the project: every include "
          f"of another folder linked, every link included, none up the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())

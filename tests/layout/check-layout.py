#!/usr/bin/env python3
"""Checks that the folders keep the shape the README describes.

Each folder may include headers only of the folders its arrows point to;
the codec and the signal library include no Qt header; the command-line
tool stays a thin front end. Prints each breach and exits 1 if there is one.
"""
import importlib.machinery
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
share = importlib.machinery.SourceFileLoader("share", str(root / "scripts/test-share")).load_module()

ARROWS = {
    "encoding": set(),
    "signal": {"encoding"},
    "installation": {"encoding"},
    "pictures": {"installation", "signal", "encoding"},
    "ui": {"pictures", "installation", "signal", "encoding"},
    "cli": {"pictures", "installation", "signal", "encoding"},
    "app": {"ui", "encoding"},
}
WITHOUT_QT = {"encoding", "signal"}
MAX_CLI_SHARE = 0.40

include = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
owner = {}
for folder in ARROWS:
    for header in (root / folder).rglob("*.h"):
        owner[header.name] = folder

breaches = []
for folder in list(ARROWS) + ["bench", "tests"]:
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in share.SUFFIXES:
            continue
        for kind, name in include.findall(path.read_text(encoding="utf-8", errors="replace")):
            where = path.relative_to(root)
            if kind == "<" and folder in WITHOUT_QT and re.match(r"Q|qt", name):
                breaches.append(f"{where}: includes <{name}>; {folder}/ is plain C++")
            target = owner.get(pathlib.PurePath(name).name) if kind == '"' else None
            if target is None or target == folder:
                continue
            if target == "cli" and folder != "tests":
                breaches.append(f"{where}: includes {name} of cli/")
            elif folder in ARROWS and target not in ARROWS[folder]:
                breaches.append(f"{where}: includes {name} of {target}/, "
                                f"which {folder}/ does not use")

cli = share.count(root, ["cli"])
product = share.count(root, share.PRODUCT)
print(f"cli/ holds {cli} of {product} lines of the product ({cli / product:.2f})")
if cli / product > MAX_CLI_SHARE:
    breaches.append(f"cli/ holds {cli / product:.2f} of the product; at most {MAX_CLI_SHARE}")

for breach in breaches:
    print(breach)
sys.exit(1 if breaches else 0)

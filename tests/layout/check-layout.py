#!/usr/bin/env python3
"""Checks that the folders keep the shape the README describes.

Each folder may include headers only of the folders its arrows point to,
the headers generated from its forms included; each library links only
libraries whose headers it includes; the codec and the signal library
include no Qt header; no function of the codec, the signal library or
the plans takes more than three plain ints in a row, so that values
travel as the types that name them; no source asks with the preprocessor
which system it is built for, as the build chooses a system's own files;
the command-line tool stays a thin front end. Prints each breach and exits 1 if there is one.
"""
import importlib.machinery
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1])
share = importlib.machinery.SourceFileLoader("share", str(root / "scripts/test-share")).load_module()

ARROWS = {
    "encoding": set(),
    "base": {"encoding"},
    "signal": {"encoding"},
    "live": {"signal", "encoding"},
    "installation": {"encoding", "base"},
    "pictures": {"installation", "signal", "encoding", "base"},
    "ui": {"pictures", "installation", "live", "signal", "encoding", "base"},
    "cli": {"pictures", "installation", "live", "signal", "encoding", "base"},
    "app": {"ui", "encoding"},
}
WITHOUT_QT = {"encoding", "signal", "live"}
# The window's two text encoders keep their eight arguments, as the window calls them.
TYPED = {"encoding", "signal", "installation"}
EIGHT_ARGUMENTS = {"encodeEn50494Command", "encodeEn50607Command"}
MAX_CLI_SHARE = 0.40

include = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
owner = {}
for folder in ARROWS:
    for header in (root / folder).rglob("*.h"):
        owner[header.name] = folder
    # A form's generated header belongs where the form is.
    for form in (root / folder).rglob("*.ui"):
        owner[f"ui_{form.stem}.h"] = folder

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

uses = {folder: set() for folder in ARROWS}
for folder in ARROWS:
    for path in (root / folder).rglob("*"):
        if path.suffix in share.SUFFIXES:
            for kind, name in include.findall(path.read_text(encoding="utf-8", errors="replace")):
                target = owner.get(pathlib.PurePath(name).name) if kind == '"' else None
                if target and target != folder:
                    uses[folder].add(target)

# The library a folder builds, and the project's libraries it links.
library = re.compile(r"add_library\((vantir_\w+)")
links = re.compile(r"target_link_libraries\((vantir_\w+)([^)]*)\)", re.S)
for folder in ARROWS:
    text = (root / folder / "CMakeLists.txt").read_text(encoding="utf-8")
    own = set(library.findall(text))
    for target, linked in links.findall(text):
        if target not in own:
            continue
        for name in re.findall(r"vantir_(\w+)", linked):
            if name in ARROWS and name not in uses[folder]:
                breaches.append(f"{folder}/CMakeLists.txt: {target} links vantir_{name} "
                                f"but includes none of {name}/")

plain_ints = re.compile(r"\b(\w+)\s*\(((?:\s*(?:const\s+)?int\s+\w+\s*,){3}\s*(?:const\s+)?int\b)")
for folder in TYPED:
    for header in sorted((root / folder).rglob("*.h")):
        for name, _ in plain_ints.findall(header.read_text(encoding="utf-8")):
            if name not in EIGHT_ARGUMENTS:
                breaches.append(f"{header.relative_to(root)}: {name} takes four plain ints in a "
                                f"row; give it a type that names them")

# The build takes a system's own files (system_windows.cpp, wasapisource.cpp);
# the code itself never asks.
asks_system = re.compile(r"^\s*#\s*(?:if|ifdef|ifndef|elif)\b.*\b(_WIN32|_WIN64|Q_OS_\w+|__linux__|__unix__|__APPLE__)\b", re.M)
for folder in list(ARROWS) + ["bench", "tests"]:
    for path in sorted((root / folder).rglob("*")):
        if path.suffix in share.SUFFIXES:
            for name in asks_system.findall(path.read_text(encoding="utf-8", errors="replace")):
                breaches.append(f"{path.relative_to(root)}: asks for {name}; "
                                f"give the system a file of its own")

# A library's refusals reach a window in its language: none is thrown as a
# bare literal, which no catalogue would find.
LIBRARIES = {"encoding", "base", "signal", "live", "installation", "pictures"}
bare_refusal = re.compile(r'\bthrow\s+\w+\s*[({]\s*(?:QStringLiteral\s*\(\s*|std::string\s*\(\s*)?"')
for folder in sorted(LIBRARIES):
    for path in sorted((root / folder).rglob("*")):
        if path.suffix in share.SUFFIXES:
            text = path.read_text(encoding="utf-8", errors="replace")
            for match in bare_refusal.finditer(text):
                line = text.count("\n", 0, match.start()) + 1
                breaches.append(f"{path.relative_to(root)}:{line}: throws a bare literal; "
                                f"mark its words for the catalogue")

# The libraries below the faces speak in phrases, which each face puts into
# its language; only the one phrase reader looks words up. The sheet and the
# signal's picture are drawn in the window's language, as the window is.
looks_up = re.compile(r"QCoreApplication::translate\s*\(|\btr\s*\(")
PHRASE_READER = {"base/phrasetext.cpp"}
for folder in sorted(LIBRARIES - {"pictures"}):
    for path in sorted((root / folder).rglob("*")):
        name = str(path.relative_to(root))
        if path.suffix in share.SUFFIXES and name not in PHRASE_READER:
            text = path.read_text(encoding="utf-8", errors="replace")
            for match in looks_up.finditer(text):
                line = text.count("\n", 0, match.start()) + 1
                breaches.append(f"{name}:{line}: looks its words up; give a Phrase instead")

cli = share.count(root, ["cli"])
product = share.count(root, share.PRODUCT)
print(f"cli/ holds {cli} of {product} lines of the product ({cli / product:.2f})")
if cli / product > MAX_CLI_SHARE:
    breaches.append(f"cli/ holds {cli / product:.2f} of the product; at most {MAX_CLI_SHARE}")

for breach in breaches:
    print(breach)
sys.exit(1 if breaches else 0)

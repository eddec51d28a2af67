#!/usr/bin/env python3
"""Every phrase the libraries can say has its German words in the catalogue.

The libraries give their messages as phrases whose words are marked with
PHRASE_WORDS; the window looks them up in the catalogue. A phrase added
without a translation would reach the German window in English, so every
marked text must stand in vantir_de_DE.ts, translated.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

root = pathlib.Path(sys.argv[1])
LIBRARIES = ["encoding", "base", "signal", "live", "installation"]
SUFFIXES = {".cpp", ".h"}
marked = re.compile(r'PHRASE_WORDS\(\s*"Phrase"\s*,\s*((?:"(?:\\.|[^"\\])*"\s*)+)\)')
piece = re.compile(r'"((?:\\.|[^"\\])*)"')
ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'"}


def unescape(text):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), "\\" + m.group(1)), text)


phrases = {}
for folder in LIBRARIES:
    for path in sorted((root / folder).rglob("*")):
        if path.suffix not in SUFFIXES:
            continue
        text = path.read_text(encoding="utf-8")
        for match in marked.finditer(text):
            words = "".join(unescape(p) for p in piece.findall(match.group(1)))
            line = text.count("\n", 0, match.start()) + 1
            phrases.setdefault(words, f"{path.relative_to(root)}:{line}")

translated = set()
for context in ET.parse(root / "ui" / "vantir_de_DE.ts").getroot().iter("context"):
    if context.findtext("name") != "Phrase":
        continue
    for message in context.iter("message"):
        translation = message.find("translation")
        if translation is not None and translation.get("type") is None and translation.text:
            translated.add(message.findtext("source"))

missing = [(where, words) for words, where in phrases.items() if words not in translated]
print(f"{len(phrases)} phrases, {len(missing)} without German words")
for where, words in sorted(missing):
    print(f"{where}: {words!r} has no German words; "
          f"run the update_translations target and translate it")
sys.exit(1 if missing else 0)

#!/usr/bin/env python3
"""Checks what a translation must keep of its English text.

    python3 tools/check_translations.py translations/orbel_de.ts ...

For every translated text: the same placeholders (%1 to %9, %n), an & before
a menu's or button's key where the English has one, the same line breaks,
the spaces the English starts and ends with (texts are joined to others),
and for "K Q R B N" five piece letters. Fails naming each text that does not.
"""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?\d|n)")


def accelerators(text):
    return len(re.findall(r"&(?!&)\S", text.replace("&&", "")))


def problems(source, translation):
    found = []
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        if not ("%n" in source and sorted(p for p in PLACEHOLDER.findall(source) if p != "%n") ==
                sorted(p for p in PLACEHOLDER.findall(translation) if p != "%n")):
            found.append("placeholders differ")
    if accelerators(source) != accelerators(translation):
        found.append("the & of a key differs")
    if source.count("\n") != translation.count("\n"):
        found.append("line breaks differ")
    for name, test in (("leading", str.startswith), ("trailing", str.endswith)):
        if test(source, " ") != test(translation, " "):
            found.append(f"{name} space differs")
    if source == "K Q R B N" and len(translation.split()) != 5:
        found.append("five piece letters wanted")
    return found


def main():
    status = 0
    for path in sys.argv[1:]:
        root = ET.parse(path).getroot()
        for context in root.iter("context"):
            for message in context.iter("message"):
                source = message.findtext("source") or ""
                node = message.find("translation")
                forms = [f.text or "" for f in node.findall("numerusform")] or [node.text or ""]
                for form in forms:
                    if not form:
                        continue
                    for problem in problems(source, form):
                        print(f"{path}: {context.findtext('name')}: {source!r} -> {form!r}: {problem}")
                        status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())

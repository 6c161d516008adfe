#!/usr/bin/env python3
"""Pseudo-translations for checking the window in languages not yet written.

    pseudo_translation.py long SOURCE.ts OUT.ts   every text 40 % longer (en_XA)
    pseudo_translation.py rtl SOURCE.ts OUT.ts    every text right to left (ar_XB)

The texts are those of any of the program's .ts files (their sources). What a
program reads in a text stays as it is: %1 and %n, the & of an accelerator,
tags, line breaks, and the piece letters of typed moves. The right-to-left
one also turns the window's layout around, as a real right-to-left language
does.
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans("aeiouycnAEIOUYCN", "áéíóúýçñÁÉÍÓÚÝÇÑ")
FILLER = "lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod tempor".split()
# Kept as they are: what a program reads rather than a person.
KEPT = {"K Q R B N"}
# A placeholder, an accelerator, a tag or an entity: never changed or split.
TOKEN = re.compile(r"%L?\d|%n|&&|&(?=\w)|<[^>]*>|&\w+;")


def longer(line):
    if not line.strip():
        return line
    parts, at = [], 0
    for m in TOKEN.finditer(line):
        parts.append(line[at:m.start()].translate(ACCENTED))
        parts.append(m.group(0))
        at = m.end()
    parts.append(line[at:].translate(ACCENTED))
    text = "".join(parts)
    wanted = (len(line) * 4 + 9) // 10
    padding, i = "", 0
    while len(padding) < wanted:
        padding += (" " if padding or not text.endswith(" ") else "") + FILLER[i % len(FILLER)]
        i += 1
    return text + padding[:max(wanted, 1)].rstrip() if wanted > 1 else text + "~"


def mirrored(line):
    # Right-to-left override: the letters run from the right as Arabic or
    # Hebrew would, while the placeholders stay whole.
    return "\u202e" + line + "\u202c" if line.strip() else line


def pseudo(kind, text):
    if text in KEPT:
        return text
    change = longer if kind == "long" else mirrored
    return "\n".join(change(line) for line in text.split("\n"))


def main():
    kind, source, out = sys.argv[1:4]
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_XA" if kind == "long" else "ar_XB")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        for child in list(translation):
            translation.remove(child)
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(kind, text)
        else:
            translation.text = pseudo(kind, text)
    if kind == "rtl":
        context = ET.SubElement(root, "context")
        ET.SubElement(context, "name").text = "QGuiApplication"
        message = ET.SubElement(context, "message")
        ET.SubElement(message, "source").text = "QT_LAYOUT_DIRECTION"
        ET.SubElement(message, "translation").text = "RTL"
    tree.write(out, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()

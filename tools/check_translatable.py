#!/usr/bin/env python3
"""Fails on a text a person would read that does not go through translation.

Looks at the window's code (shell/) and the network's (net/): a string
literal handed straight to something that shows or says it (a label, a box,
a menu, the status bar, the chat, the screen reader), or a QStringLiteral
that reads as words ("Not your move"), must be inside tr(),
QCoreApplication::translate() or a QT_TR_NOOP / QT_TRANSLATE_NOOP mark.
A literal that is meant to stay as it is (a protocol word, a settings key, a
line for developers' logs) says so with "// untranslated" and why, on its line
or at the head of the lines it covers (up to the next blank line).

    python3 tools/check_translatable.py        prints each text and fails
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ["shell", "net"]
# Programs of their own whose words are read by this one, not by a person.
SKIPPED = {"net/portmap/port_mapping_helper.cpp"}
# Calls whose text argument a person sees or hears.
SINKS = re.compile(r"\b(setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setAccessibleName|"
                   r"setAccessibleDescription|setPlaceholderText|addAction|addMenu|setTitle|showMessage|"
                   r"setStatusText|say|announce|tell|reply|box|ask|addChatLine|setSuffix|setPrefix|addItem|"
                   r"setHeaderLabels|setLabelText|setInformativeText|setDetailedText|setSpecialValueText|"
                   r"QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QMessageBox|staticText|button|"
                   r"setApplicationDescription|addPositionalArgument)\s*\(")
WRAPPED = re.compile(r"\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|QT_TR_N_NOOP|QT_TRANSLATE_N_NOOP|"
                     r"trCommandLine)\s*\(")
LITERAL = re.compile(r'"(?:[^"\\]|\\.)*"')
WORDS = re.compile(r"[A-Za-z]{2,}[ ,.!?:;][ ]?[A-Za-z]{2,}|^[A-Z][a-z]{2,}")
LOGS = re.compile(r"\b(qWarning|qDebug|qInfo|qCritical|qFatal|fprintf|#include|extern \"C\"|static_assert)\b")


def strip_comments(text):
    # Comments go, the lines stay (so numbers still match).
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), text, flags=re.S)
    return re.sub(r"//(?! untranslated).*", "", text)


def wrapped_at(line, start):
    """Whether the literal starting at `start` is an argument of a translation call."""
    depth = 0
    for i in range(start - 1, -1, -1):
        c = line[i]
        if c == ")":
            depth += 1
        elif c == "(":
            if depth == 0:
                if WRAPPED.search(line[:i + 1][-40:]):
                    return True
            else:
                depth -= 1
    return False


def findings(path):
    out = []
    lines = strip_comments(path.read_text(encoding="utf-8")).split("\n")
    exempt = False
    for number, line in enumerate(lines, 1):
        exempt = ("// untranslated" in line) or (exempt and line.strip() != "")
        if exempt or LOGS.search(line):
            continue
        for m in LITERAL.finditer(line):
            text = m.group(0)[1:-1]
            if not re.search(r"[A-Za-z]{2}", text) or wrapped_at(line, m.start()):
                continue
            before = line[:m.start()]
            shown = SINKS.search(before) and not re.search(r"\b(QLatin1String|objectName|setObjectName|value|"
                                                           r"contains|isSet|setValue|fromLatin1)\s*\($",
                                                           before.rstrip())
            words = before.rstrip().endswith("QStringLiteral(") and WORDS.search(text)
            if shown or words:
                out.append(f"{path.relative_to(ROOT)}:{number}: {text}")
    return out


def main():
    found = []
    for folder in FOLDERS:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix in (".cpp", ".h") and str(path.relative_to(ROOT)) not in SKIPPED:
                found += findings(path)
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} texts a person reads are not marked for translation: wrap them in tr(), or mark "
              "one that must stay as it is with // untranslated and why", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

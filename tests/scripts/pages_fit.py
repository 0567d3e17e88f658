#!/usr/bin/env python3
"""Writes an English answer file over in another language: the language page's
choice, and every text of the installer's that a `select` or `answer` step
quotes, become the language's own (from src/resources/lang/vsetup_NN.txt).

    pages_fit.py LANG_DIR CODE [CUSTOM_INI] < english.txt > translated.txt

The lines of the customers' installs are those of the medium's Custom.ini.
"""
import re
import sys

LANGUAGE_ITEMS = {"49": "Deutsch", "44": "English", "33": "Français", "48": "Polish"}


def texts(path):
    out = {}
    with open(path, encoding="utf-8-sig") as f:
        for line in f:
            line = line.rstrip("\r\n")
            m = re.match(r"(\d+)[\t ](.*)$", line)
            if m:
                out[int(m.group(1))] = m.group(2).replace("\\r\\n", "\n").replace("\\n", "\n").replace("\\\\", "\\")
    return out


def custom_lines(path, code):
    """The English line of each customer's install with the language's own (or the English one)."""
    out = []
    if not path:
        return out
    section = {}
    with open(path, encoding="cp1252") as f:
        for line in f.read().splitlines() + ["["]:
            if line.startswith("["):
                if "Select44" in section:
                    out.append((section["Select44"], section.get("Select" + code, section["Select44"])))
                section = {}
            elif "=" in line:
                key, value = line.split("=", 1)
                section[key.strip()] = value.strip()
    return out


def first_part(text):
    # What an answer step may quote of a message: its first line, up to any argument.
    return re.split(r"[\n$]", text)[0].strip()


def main():
    lang_dir, code = sys.argv[1], sys.argv[2]
    english = texts(f"{lang_dir}/vsetup_44.txt")
    target = texts(f"{lang_dir}/vsetup_{code}.txt")
    # Longest texts first, so that a text is not replaced by a shorter one inside it.
    pairs = [(e, target.get(i, e)) for i, e in english.items() if len(e) >= 8 and "$" not in e]
    pairs += custom_lines(sys.argv[3] if len(sys.argv) > 3 else "", code)
    pairs.sort(key=lambda p: -len(p[0]))
    for line in sys.stdin:
        step = line.strip().split(" ", 1)
        if step[0] == "select" and 'LangRG "English"' in line:
            line = line.replace('"English"', f'"{LANGUAGE_ITEMS[code]}"')
        elif step[0] == "answer":
            quoted = re.search(r'"(.*)"', line).group(1)
            for i, e in english.items():
                if quoted in e and i in target:
                    line = line.replace(f'"{quoted}"', '"' + first_part(target[i]).replace('"', '""') + '"')
                    break
        elif step[0] == "select":
            for e, t in pairs:
                if f'"{e}"' in line or (e in line and len(e) >= 12):
                    line = line.replace(e, t)
        sys.stdout.write(line)


main()

#!/usr/bin/env python3
"""Reads a seeded-fault file and applies it to a source tree.

A .mutant file:

    slip: what mistake the change models, in one line
    file: src/base/path_utils.cpp
    --- find
    the text to find, one or more lines; it must occur exactly once
    --- replace
    the text that takes its place
    --- end

The text of a block is its lines joined by line ends; a blank line last
stands for the line end after the text, so a whole line can be taken out.

    mutate.py sync FROM TO                  makes TO hold FROM's files that git knows
                                            (tracked and new, not ignored); only files
                                            whose content differs are written, so an
                                            incremental build in TO rebuilds just those
    mutate.py describe FILE.mutant          prints the file it changes and the slip
    mutate.py apply FILE.mutant ROOT        changes ROOT/<file>; exit 0 done,
                                            3 stale (text missing or not unique), 2 bad file
"""
import os
import subprocess
import sys


def parse(path):
    fields, blocks, current = {}, {}, None
    with open(path, encoding="utf-8") as f:
        for line in f.read().split("\n"):
            if line.startswith("--- "):
                current = line[4:].strip()
                if current == "end":
                    current = None
                else:
                    blocks[current] = []
            elif current is not None:
                blocks[current].append(line)
            elif ":" in line and not line.startswith("#"):
                key, value = line.split(":", 1)
                fields[key.strip()] = value.strip()
    for key in ("slip", "file"):
        if not fields.get(key):
            raise ValueError(f"{path}: no '{key}:' line")
    for key in ("find", "replace"):
        if key not in blocks:
            raise ValueError(f"{path}: no '--- {key}' block")
    find, replace = "\n".join(blocks["find"]), "\n".join(blocks["replace"])
    if not find.strip():
        raise ValueError(f"{path}: the text to find is empty")
    if find == replace:
        raise ValueError(f"{path}: the replacement changes nothing")
    return fields["file"], fields["slip"], find, replace


def sync(source, target):
    listed = subprocess.run(
        ["git", "-C", source, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        check=True, capture_output=True).stdout.decode("utf-8").split("\0")
    wanted = {name for name in listed if name and os.path.isfile(os.path.join(source, name))}
    for name in sorted(wanted):
        src, dst = os.path.join(source, name), os.path.join(target, name)
        with open(src, "rb") as f:
            data = f.read()
        try:
            with open(dst, "rb") as f:
                if f.read() == data:
                    continue
        except OSError:
            pass
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(dst, "wb") as f:
            f.write(data)
        os.chmod(dst, os.stat(src).st_mode & 0o777)
    # Files gone from the tree go from the copy too; the copy's build stays.
    for folder, dirs, files in os.walk(target):
        rel = os.path.relpath(folder, target)
        if rel == ".":
            dirs[:] = [d for d in dirs if d not in ("build", ".git")]
        for name in files:
            path = os.path.normpath(os.path.join(rel, name))
            if path not in wanted:
                os.remove(os.path.join(folder, name))
    return 0


def main(argv):
    if len(argv) == 4 and argv[1] == "sync":
        return sync(argv[2], argv[3])
    if len(argv) < 3 or argv[1] not in ("describe", "apply"):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        file, slip, find, replace = parse(argv[2])
    except (OSError, ValueError) as e:
        print(e, file=sys.stderr)
        return 2
    if argv[1] == "describe":
        print(f"{file}\t{slip}")
        return 0
    target = f"{argv[3]}/{file}"
    try:
        with open(target, encoding="utf-8", newline="") as f:
            text = f.read()
    except OSError as e:
        print(f"stale: {e.strerror}: {file}", file=sys.stderr)
        return 3
    count = text.count(find)
    if count != 1:
        print(f"stale: the text occurs {count} times in {file}", file=sys.stderr)
        return 3
    with open(target, "w", encoding="utf-8", newline="") as f:
        f.write(text.replace(find, replace))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

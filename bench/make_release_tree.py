#!/usr/bin/env python3
"""Writes a release-like folder tree for the unzip benchmark: about FILES files
of about TOTAL_MB megabytes in all, in nested folders, mixing text (sources,
logs, INI files), binaries (structured, half compressible) and already
compressed data (random bytes). The same seed gives the same tree."""

import os
import random
import sys

WORDS = ("Velmar plant station driver config value alarm trend report channel module "
         "setpoint sensor pump valve motor level pressure flow temperature status "
         "begin end if then else procedure function return const var").split()


def text_block(rng, size):
    lines = []
    total = 0
    while total < size:
        line = " ".join(rng.choice(WORDS) for _ in range(rng.randint(3, 12)))
        line = f"{rng.randint(0, 99999):05d} {line} = {rng.random():.6f}\r\n"
        lines.append(line)
        total += len(line)
    return "".join(lines).encode("ascii")[:size]


def binary_block(rng, size):
    # Tables of records with repeated fields and some noise, like program code and data.
    record = bytes(rng.getrandbits(8) for _ in range(64))
    out = bytearray()
    while len(out) < size:
        if rng.random() < 0.5:
            out += record
        else:
            out += os.urandom(rng.randint(8, 64))
        if rng.random() < 0.02:
            record = bytes(rng.getrandbits(8) for _ in range(64))
    return bytes(out[:size])


def main():
    root, files, total_mb = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    rng = random.Random(3410)
    # Log-normal sizes scaled to the wanted total.
    sizes = [rng.lognormvariate(9.5, 1.6) for _ in range(files)]
    scale = total_mb * 1024 * 1024 / sum(sizes)
    sizes = [max(0, int(s * scale)) for s in sizes]
    folders = [""]
    for i in range(120):
        parent = rng.choice(folders)
        if parent.count(os.sep) < 4:
            folders.append(os.path.join(parent, f"{rng.choice(WORDS).capitalize()}{i}"))
    text_cache = text_block(rng, 4 * 1024 * 1024)
    for i, size in enumerate(sizes):
        kind = rng.random()
        folder = os.path.join(root, rng.choice(folders))
        os.makedirs(folder, exist_ok=True)
        if kind < 0.4:
            start = rng.randint(0, len(text_cache) - 1)
            data = (text_cache[start:] + text_cache)[:size] if size <= len(text_cache) else text_block(rng, size)
            name = f"file{i}.{rng.choice(['txt', 'ini', 'pas', 'log', 'csv'])}"
        elif kind < 0.75:
            data = binary_block(rng, size)
            name = f"file{i}.{rng.choice(['dll', 'exe', 'bpl', 'dat'])}"
        else:
            data = os.urandom(size)
            name = f"file{i}.{rng.choice(['jpg', 'cab', 'bin'])}"
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()

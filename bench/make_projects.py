#!/usr/bin/env python3
"""Writes the folder trees of COUNT plant projects for the scan benchmark,
ROOT/<Customer>/<Project>/ each, ten projects a customer: a project file
(.VPR), drivers, pictures and data, 20 to 60 files of a few kilobytes. The
benchmark zips each project folder into an archive. The same seed gives the
same trees."""

import os
import random
import sys


def main():
    root, count = sys.argv[1], int(sys.argv[2])
    rng = random.Random(3410)
    for n in range(count):
        customer = f"Customer{n // 10:02d}"
        project = f"Plant{n:03d}"
        folder = os.path.join(root, customer, project)
        files = {f"{project}.VPR": f"[Project]\r\nName={project}\r\nCustomer={customer}\r\n".encode("ascii")}
        for i in range(rng.randint(20, 60)):
            kind = rng.choice(["Drivers/Port{}.drv", "Pictures/Screen{}.bmp", "Data/Trend{}.dat", "Scripts/Step{}.pas"])
            size = int(rng.lognormvariate(8, 1))
            line = f"{project} {kind} value {i} = {rng.random():.5f}\r\n".encode("ascii")
            data = (line * (size // len(line) + 1))[:size // 2] + os.urandom(size - size // 2)
            files[kind.format(i)] = data
        for name, data in files.items():
            path = os.path.join(folder, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes N JSON lines of mixed element calculations for timing `velmora-calc batch`.

usage: generate_batch_input.py [N] > requests.jsonl   (N defaults to 100000)
"""
import json
import random
import sys

# One representative input per element kind (slots 1 ... 5), water-like medium.
KINDS = {
    (1, 1): [100, 50], (1, 2): [100, 200, 10], (1, 3): [100, 50, 10], (1, 4): [300, 200, 10],
    (1, 5): [100, 5, 20, 10], (1, 6): [0.01, 0.4, 10], (2, 1): [100], (2, 2): [100], (2, 3): [100, 45],
    (2, 4): [100], (3, 1): [50, 100], (3, 2): [50, 100, 10], (3, 3): [100, 50], (3, 4): [100, 50, 10],
    (4, 1): [100, 150, 90], (4, 2): [100, 60], (4, 3): [150], (4, 4): [100, 200, 150, 90], (4, 5): [100, 45],
    (4, 6): [100, 200, 45], (5, 1): [100, 50], (5, 2): [100], (5, 3): [100], (5, 4): [100],
    (5, 5): [100, 50, 10, 45], (5, 6): [100, 50, 10, 45], (5, 7): [100, 45], (5, 8): [100, 100],
    (6, 1): [100, 3], (6, 2): [100], (6, 3): [100, 200], (7, 1): [100], (7, 2): [100], (7, 3): [100],
    (7, 4): [100, 50], (7, 5): [100, 30], (7, 6): [100, 30], (8, 1): [100], (8, 2): [100], (8, 3): [100],
    (9, 1): [100, 50], (9, 2): [100, 50], (9, 3): [100, 50, 5], (9, 4): [100, 50, 10], (9, 5): [100, 50],
    (9, 6): [100, 50], (9, 7): [100, 50], (10, 1): [100, 40], (10, 2): [100, 200, 40], (10, 3): [100, 5, 5, 40],
    (10, 4): [100, 200, 5, 5, 40], (11, 1): [100, 40], (11, 2): [100, 200, 40], (11, 3): [100, 40],
    (11, 4): [100, 200, 40], (11, 5): [100, 40], (11, 6): [100, 200, 40], (11, 7): [100], (11, 8): [100],
    (11, 9): [100], (12, 1): [100, 2], (12, 2): [100, 200, 2], (13, 1): [10], (13, 2): [100, 50],
    (13, 3): [100, 200, 50, 100],
}


def main():
    n = int(sys.argv[1]) if len(sys.argv) > 1 else 100000
    rng = random.Random(42)
    kinds = sorted(KINDS)
    out = sys.stdout
    for i in range(n):
        group, kind = kinds[i % len(kinds)]
        flow = 10 ** rng.uniform(-1, 3)
        line = {"id": i, "ElementGroup": group, "ElementKind": kind, "VolumeFlow": flow,
                "Density": 998.2, "Viscosity": 1002, "Input6": 0.05}
        for slot, value in enumerate(KINDS[(group, kind)], start=1):
            line[f"Input{slot}"] = value
        if (group, kind) in ((5, 5), (5, 6)):
            line["BranchFlow"] = flow * 0.3
        if i % 4 == 0:
            line.update({"Gas": True, "Density": 1.2, "Viscosity": 18, "InletPressure": 5,
                         "InletTemperature": 293.15, "OutletTemperature": 293.15})
        out.write(json.dumps(line, separators=(",", ":")) + "\n")


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""The scripted yardstick of the batch benchmark: the same cases in a plain Python loop over
the fluids library (Debian's python3-fluids, with python3-scipy for the diameter).

    fluids_loop.py headloss CASES.csv   # Flow Rate [l/s], Pipe Dia. [mm], Roughness [mm]
    fluids_loop.py diameter CASES.csv   # Flow Rate [l/s], Head Loss [m], Roughness [mm]

Prints the number of cases and the processor seconds the loop took (reading the file and
starting Python aside). The page's other values are its defaults: 1000 m of pipe and a
kinematic viscosity of 1 mm²/s."""

import csv
import math
import sys
import time

from fluids.friction import Colebrook

LENGTH = 1000.0
VISCOSITY = 1e-6
GRAVITY = 9.80665


def head_loss(flow, diameter, roughness):
    velocity = flow / (math.pi * diameter * diameter / 4)
    reynolds = velocity * diameter / VISCOSITY
    friction = Colebrook(reynolds, roughness / diameter)
    return friction * LENGTH / diameter * velocity * velocity / (2 * GRAVITY)


def main():
    mode, path = sys.argv[1], sys.argv[2]
    with open(path, newline="") as f:
        rows = [[float(cell) for cell in row] for row in list(csv.reader(f))[1:]]
    results = []
    start = time.process_time()
    if mode == "headloss":
        for flow, diameter, roughness in rows:
            results.append(head_loss(flow / 1000, diameter / 1000, roughness / 1000))
    else:
        from scipy.optimize import brentq
        for flow, loss, roughness in rows:
            q, k = flow / 1000, roughness / 1000
            results.append(brentq(lambda d: head_loss(q, d, k) - loss, 0.005, 10.0))
    seconds = time.process_time() - start
    print(len(results), seconds)


if __name__ == "__main__":
    main()

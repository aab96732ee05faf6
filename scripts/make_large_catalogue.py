#!/usr/bin/env python3
"""Writes a large catalogue of generated modules (no pictures) for timing the
tools and the window by hand:

    scripts/make_large_catalogue.py 1000000 /tmp/million/Base.tmb

The modules are spread like those of the benchmarks' generator: 17 to 241
couples, legs of 0.6 to 2 mm side and 0.8 to 2.5 mm length, usual bismuth
telluride constants, and a nominal current of 0.7 to 1.4 times the current of
the largest temperature difference. Deterministic for a given count.
"""
import math
import random
import struct
import sys


def optimum_current(side, length, sigma, seebeck, kappa):
    area = side * side
    resistance = 2 * length / (sigma * area)
    conductance = 2 * kappa * area / length
    alpha = 2 * seebeck
    z = alpha * alpha / (resistance * conductance)
    coldest = (math.sqrt(1 + 2 * z * 298.0) - 1) / z
    return alpha * coldest / resistance


def entry(rng, index):
    couples = int(rng.uniform(17, 242))
    side = rng.uniform(0.6e-3, 2.0e-3)
    length = rng.uniform(0.8e-3, 2.5e-3)
    sigma = rng.uniform(0.8e5, 1.2e5)
    seebeck = rng.uniform(1.8e-4, 2.2e-4)
    kappa = rng.uniform(1.3, 1.7)
    width = round(math.sqrt(2.0 * couples) * side * 1e3 * 1.8)
    height = round((2 * length * 1e3 + 1.5) * 100) / 100
    current = round(optimum_current(side, length, sigma, seebeck, kappa) *
                    rng.uniform(0.7, 1.4) * 100) / 100
    name = b"GEN-%07d" % index
    return struct.pack("<30s2xdI4x8d", name, current, couples, length, side, width, width,
                       height, sigma, seebeck, kappa)


def main(count, path):
    rng = random.Random(20261207)
    with open(path, "wb") as out:
        out.write(struct.pack("<I", count))
        out.write(bytes(4 * count))
        for i in range(count):
            out.write(entry(rng, i))


if __name__ == "__main__":
    main(int(sys.argv[1]), sys.argv[2])

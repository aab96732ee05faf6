#!/usr/bin/env python3
"""Writes data/catalogue.csv, the sample catalogue's source.

Deterministic: the same seed always gives the same modules. The modules are
made up, with the leg geometries and the bismuth-telluride material constants
of real single-stage modules (Seebeck coefficient about 200 uV/K, electrical
conductivity about 1e5 S/m, thermal conductivity about 1.5 W/(m K)), so that at
a hot side of 25 C every module reaches a dTmax of about 63 to 72 K, as vendor
catalogues give. VQ-127-1.4-1.60, the VQ series' reference part with its
grade's constants, comes out at 6.1 A, 14.2 V, 67.8 K and 53 W, where vendors
list about 6 A, 15 V, 68 K and 55 W for 127 couples of 1.4 x 1.4 x 1.6 mm.
Nominal currents lie near the current of the largest temperature difference,
so the derivation finds it inside its scan.
"""
import csv
import math
import random
import sys

CONTACT_RESISTIVITY = 1e-10  # ohm m^2 per junction

# (prefix, series grade): each series has its own material quality, from the
# economy grade (VQE, about 65 K at 25 C) to the high-performance one (VQH,
# about 70 K). Every module's constants lie within SPREAD of its grade's.
SERIES = [
    ("VQ", dict(sigma=1.00e5, alpha=2.00e-4, kappa=1.50)),
    ("VQH", dict(sigma=1.03e5, alpha=2.02e-4, kappa=1.48)),
    ("VQE", dict(sigma=0.97e5, alpha=1.97e-4, kappa=1.52)),
    ("ТЭМ", dict(sigma=1.02e5, alpha=2.00e-4, kappa=1.50)),
]
SPREAD = dict(sigma=0.02, alpha=0.01, kappa=0.02)
COUPLES = [17, 31, 35, 49, 63, 71, 97, 127, 161, 199, 241]
SIDES_MM = [0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 2.0]
LENGTHS_MM = [0.8, 1.0, 1.15, 1.3, 1.5, 1.6, 2.0, 2.5]
STANDARD_SIZES = [6, 8, 10, 12, 15, 20, 23, 25, 30, 35, 40, 44, 50, 55, 62]


def optimal_current(couples, side, length, sigma, alpha, cold=235.0):
    area = side * side
    couple_resistance = 2 * length / (sigma * area) + 4 * CONTACT_RESISTIVITY / area
    return 2 * alpha * cold / couple_resistance


def module_size(couples, side):
    legs = 2 * couples
    per_row = math.ceil(math.sqrt(legs))
    raw = per_row * side * 1.5 + 1.0
    return next((s for s in STANDARD_SIZES if s >= raw), math.ceil(raw))


def row(name, nominal, couples, side, length, size, module_length, height, sigma, alpha, kappa):
    return [
        name, f"{nominal:.2f}", couples, f"{length / 1000:.6g}", f"{side / 1000:.6g}",
        f"{size:.1f}", f"{module_length:.1f}", f"{height:.2f}",
        f"{sigma:.4g}", f"{alpha:.4g}", f"{kappa:.4g}", "",
    ]


def reference_part():
    """The most common size of all, with the VQ grade's constants unchanged."""
    grade = SERIES[0][1]
    nominal = optimal_current(127, 0.0014, 0.0016, grade["sigma"], grade["alpha"])
    size = module_size(127, 1.4)
    return row("VQ-127-1.4-1.60", nominal, 127, 1.4, 1.6, size, size, 3.6,
               grade["sigma"], grade["alpha"], grade["kappa"])


def main(path):
    rng = random.Random(20261207)
    rows = []
    reference = reference_part()
    seen = {reference[0]}
    while len(rows) < 239:
        prefix, grade = rng.choice(SERIES)
        couples = rng.choice(COUPLES)
        side = rng.choice(SIDES_MM)
        length = rng.choice([l for l in LENGTHS_MM if 0.6 * side <= l <= 2.2 * side] or [side])
        if couples > 127 and side > 1.6:
            continue  # such a module would be larger than any vendor lists
        name = f"{prefix}-{couples:03d}-{side:.1f}-{length:.2f}".replace("ТЭМ-", "ТЭМ ")
        if name in seen:
            continue
        seen.add(name)
        sigma, alpha, kappa = (
            grade[key] * rng.uniform(1 - SPREAD[key], 1 + SPREAD[key])
            for key in ("sigma", "alpha", "kappa"))
        side_m, length_m = side / 1000, length / 1000
        nominal = optimal_current(couples, side_m, length_m, sigma, alpha) * rng.uniform(0.75, 1.1)
        size = module_size(couples, side)
        width = size
        module_length = size if rng.random() < 0.8 else size + rng.choice([2, 5, 10])
        height = length + rng.choice([1.6, 1.8, 2.0, 2.2])
        rows.append(row(name, nominal, couples, side, length, width, module_length, height,
                        sigma, alpha, kappa))
    rows.append(reference)
    # Vendors sell a module again with another nominal current; the catalogue
    # keeps one such pair, under a suffixed name, since a name finds one module.
    twin = list(rows[7])
    twin[0] += "H"
    twin[1] = f"{float(twin[1]) * 1.1:.2f}"
    rows.append(twin)
    with open(path, "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(["name", "nominal_current", "pellet_count", "pellet_length", "pellet_side",
                         "width", "length", "height", "electrical_conductivity",
                         "seebeck_coefficient", "thermal_conductivity", "picture"])
        writer.writerows(rows)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/catalogue.csv")

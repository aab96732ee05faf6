#!/usr/bin/env python3
"""Finds where modules of the sample catalogue carry a load and plots the best three.

    PYTHONPATH=build/dev/python python3 examples/choose_module.py [catalogue] [out.png]

Prints the three operating points that draw the least power for 20 W at a
30 K difference, and saves their modules' heat against dT, one curve per
current, with each point marked. Needs matplotlib (python3-matplotlib).
"""

import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

import vantiq  # noqa: E402

LOAD_W, DT_K = 20.0, 30.0


def main(path=None, out="choose_module.png"):
    cat = vantiq.Catalogue(path)
    best = cat.advise(q=LOAD_W, dt=DT_K, modules="auto", sort="power")[:3]
    if not best:
        sys.exit(best.reason)
    figure, axes = plt.subplots(1, len(best), figsize=(5 * len(best), 4), squeeze=False)
    for ax, point in zip(axes[0], best):
        print(f"{point['name']}: {point['modules']} x, {point['current']:.3g} A, "
              f"{point['voltage']:.3g} V, {point['power']:.3g} W, COP {point['cop']:.3g}")
        for curve in cat.curves(point["index"])["heat"]:
            ax.plot(-curve["dt"], curve["value"], label=f"{curve['current']:.2f} A")
        ax.plot([DT_K], [LOAD_W / point["modules"]], "ko", label="operating point")
        ax.set_title(f"{point['name']} ({point['current']:.2f} A)")
        ax.set_xlabel("dT, K")
        ax.set_ylabel("Qc per module, W")
        ax.legend(fontsize="small")
    figure.tight_layout()
    figure.savefig(out, dpi=100)
    print(f"saved {out}")


if __name__ == "__main__":
    main(*sys.argv[1:3])

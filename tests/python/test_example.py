"""The example script runs on the sample and saves its plot."""

import os
import pathlib
import shutil
import struct
import subprocess
import sys

import vantiq

EXAMPLE = pathlib.Path(__file__).parents[2] / "examples" / "choose_module.py"


def test_the_example_prints_the_three_cheapest_points_and_saves_their_plot(tmp_path):
    base = tmp_path / "Base.tmb"
    shutil.copyfile(os.environ["VANTIQ_SAMPLE"], base)
    plot = tmp_path / "best.png"
    done = subprocess.run([sys.executable, str(EXAMPLE), str(base), str(plot)],
                          capture_output=True, text=True, encoding="utf-8")
    assert done.returncode == 0, done.stderr
    best = vantiq.Catalogue(base).advise(q=20, dt=30, modules="auto", sort="power")[:3]
    printed = done.stdout.splitlines()
    assert [line.split(":")[0] for line in printed[:-1]] == [p["name"] for p in best]
    assert printed[-1] == f"saved {plot}"
    header = plot.read_bytes()[:24]
    assert header[:8] == b"\x89PNG\r\n\x1a\n"
    assert struct.unpack(">II", header[16:24]) == (1500, 400)  # three 5 x 4 in panels at 100 dpi

"""The datasheet fit from Python answers as vantiq-basetool fit does."""

import csv
import io
import math
import os
import subprocess

import pytest

import vantiq

RATINGS = os.environ["VANTIQ_RATINGS"]
BASETOOL = os.environ["VANTIQ_BASETOOL"]
NUMBERS = ["rated_thot_c", "imax", "umax", "dtmax", "qmax", "width", "length", "height",
           "pellet_length", "pellet_side", "ac_resistance"]


def keywords(row):
    given = {k: float(v) for k, v in row.items() if k in NUMBERS and v != ""}
    return {"couples": int(row["couples"]), **given}


def tool_fit(source, mode, tmp_path):
    out = tmp_path / "material.csv"
    done = subprocess.run([BASETOOL, "fit", str(source), "-o", str(out), "--mode", mode],
                          capture_output=True, text=True)
    return done, list(csv.DictReader(open(out, newline=""))) if done.returncode == 0 else []


# The ratings each mode keeps, with their tolerance: relative, dtmax in K.
KEPT = {
    "minimax": {},
    "imax-umax-dtmax": {"imax": 0.005, "umax": 0.005, "dtmax": 0.1},
    "imax-dtmax-qmax": {"imax": 0.005, "dtmax": 0.1, "qmax": 0.005},
    "balance": {},
}


@pytest.mark.parametrize("mode", KEPT)
def test_each_module_fits_to_the_tools_constants_and_keeps_its_ratings(mode, tmp_path):
    rows = list(csv.DictReader(open(RATINGS, newline="")))
    done, material = tool_fit(RATINGS, mode, tmp_path)
    assert done.returncode == 0, done.stderr
    table = csv.DictReader(io.StringIO(done.stdout))
    verdicts = [line["note"] for line in table if line["rating"] == "all ratings"]
    for row, expected, verdict in zip(rows, material, verdicts, strict=True):
        fit = vantiq.fit_ratings(**keywords(row), mode=mode)
        assert fit["verdict"] == verdict
        for column, text in expected.items():
            if column not in ("name", "picture"):
                assert fit[column] == float(text), (row["name"], column)
        for rating, tolerance in KEPT[mode].items():
            assert abs(fit["deviations"][rating]) <= tolerance, (row["name"], rating)
            derived, rated = fit["derived"][rating], float(row[rating])
            assert abs(derived - rated) <= tolerance * (1 if rating == "dtmax" else rated)
        assert math.isnan(fit["deviations"]["ac_resistance"]) == (row["ac_resistance"] == "")


def test_ratings_the_model_cannot_reach_raise_the_tools_message(tmp_path):
    source = tmp_path / "ratings.csv"
    source.write_text("name,couples,rated_thot_c,imax,umax,dtmax,qmax,width,length,height\n"
                      "pellets,254,25,6.4,15.4,66,57,40,40,3.8\n")
    done, _ = tool_fit(source, "imax-umax-dtmax", tmp_path)
    assert done.returncode == 1
    with pytest.raises(ValueError) as raised:
        vantiq.fit_ratings(couples=254, imax=6.4, umax=15.4, dtmax=66, qmax=57, width=40,
                           length=40, height=3.8)
    assert done.stderr.strip().endswith("row 1: " + str(raised.value))
    with pytest.raises(ValueError, match="mode takes"):
        vantiq.fit_ratings(couples=127, imax=6.4, umax=15.4, dtmax=66, width=40, length=40,
                           height=3.8, mode="exact")

"""The Python module answers exactly as vantiq-cli does on the sample catalogue."""

import csv
import io
import math
import os
import pathlib
import re
import shutil
import subprocess
import threading

import numpy as np
import pytest

import vantiq

SAMPLE = os.environ["VANTIQ_SAMPLE"]
CLI = os.environ["VANTIQ_CLI"]


@pytest.fixture(scope="session", autouse=True)
def cli_copy(tmp_path_factory):
    """The command's own copy: an open catalogue holds its file."""
    global CLI_BASE
    CLI_BASE = str(tmp_path_factory.mktemp("cli") / "Base.tmb")
    shutil.copyfile(SAMPLE, CLI_BASE)


def cli(*words, thot_c=25.0, base=None):
    done = subprocess.run([CLI, "--base", base or CLI_BASE, "--thot-c", str(thot_c), *words],
                          capture_output=True, text=True, encoding="utf-8")
    return done


def cli_rows(*words, thot_c=25.0, base=None):
    done = cli(*words, thot_c=thot_c, base=base)
    assert done.returncode == 0, done.stderr
    return list(csv.DictReader(io.StringIO(done.stdout, newline="")))


@pytest.fixture(scope="module")
def cat():
    return vantiq.Catalogue(SAMPLE)


def assert_rated_as_listed(cat, thot_c, base=None):
    rows = cli_rows("list", thot_c=thot_c, base=base)
    rated = cat.rated()
    assert cat.names == [r["name"] for r in rows]
    assert len(cat) == len(rows)
    for column, values in rated.items():
        listed = [float(r[column]) if r[column] else math.nan for r in rows]
        np.testing.assert_array_equal(values, listed, err_msg=column)


def test_rated_values_are_the_lists_at_every_hot_side(cat, tmp_path):
    assert_rated_as_listed(cat, 25.0)
    own = str(tmp_path / "Base.tmb")
    shutil.copyfile(SAMPLE, own)
    other = vantiq.Catalogue(pathlib.Path(own), thot_c=25.0)
    other.thot_c = 60.5
    assert other.thot_c == pytest.approx(60.5)
    assert_rated_as_listed(other, 60.5)


def test_a_module_without_balance_is_nan_named_in_a_warning_and_never_answered(tmp_path):
    source = tmp_path / "leaky.csv"
    source.write_text(
        "name,nominal_current,pellet_count,pellet_length,pellet_side,width,length,height,"
        "electrical_conductivity,seebeck_coefficient,thermal_conductivity,picture\n"
        "GOOD,7.97,31,0.00115,0.0016,23.0,23.0,3.15,1.015e+05,0.0002013,1.468,\n"
        "LEAKY,7.97,31,0.00115,0.0016,23.0,23.0,3.15,1.015e+05,0.0002013,1e300,\n")
    base, copy = str(tmp_path / "Base.tmb"), str(tmp_path / "Copy.tmb")
    subprocess.run([os.environ["VANTIQ_BASETOOL"], "pack", str(source), "-o", base], check=True)
    shutil.copyfile(base, copy)
    with pytest.warns(UserWarning) as warned:
        cat = vantiq.Catalogue(base)
    assert [str(w.message) for w in warned] == [cli("list", base=copy).stderr.strip()]
    assert "LEAKY" in str(warned[0].message)
    assert_rated_as_listed(cat, 25.0, base=copy)
    assert math.isnan(cat.rated()["qmax"][1]) and cat.rated()["pellets"][1] == 31
    assert cat.search() == [0]
    assert [p["name"] for p in cat.advise(q=1, dt=10)] == ["GOOD"]
    with pytest.raises(vantiq.CatalogueError, match="cannot be derived"):
        cat.curves(1)


SEARCHES = [
    {},
    {"q": 10, "dt": 40},
    {"q": 5, "dt": 30, "supply_voltage": 12, "supply_current": 4, "sort": "qmax", "order": "asc"},
    {"mode": "resistance", "resistance": 2.5, "tolerance": 20, "width": 40},
    {"name": "VQ", "sort": "pellets"},
]


def options(criteria):
    words = []
    for key, value in criteria.items():
        words += ["--" + key.replace("_", "-"), str(value)]
    return words


@pytest.mark.parametrize("criteria", SEARCHES)
def test_search_finds_the_commands_modules_in_its_order(cat, criteria):
    expected = [int(r["index"]) for r in cli_rows("search", *options(criteria))]
    assert cat.search(**criteria) == expected


ADVICE = [
    {"q": 20, "dt": 30},
    {"q": 15, "cold_c": 5, "ambient_c": 30, "sink_rth": 0.2, "modules": "auto", "sort": "cop"},
    {"q": 40, "dt": 20, "modules": 2, "wiring": "parallel", "supply_voltage": 12},
    {"q": 10, "dt": 40, "supply_current": 5, "mass_j_per_k": 200},
    {"q": 2, "dt": 80, "stages": 2, "currents": "shared", "mass_j_per_k": 50},
    {"q": 5, "cold_c": 1, "ambient_c": 25, "supply_voltage": 12},  # ranked by the sink needed
]


@pytest.mark.parametrize("request_", ADVICE)
def test_advice_holds_the_commands_rows(cat, request_):
    rows = cli_rows("advise", *options(request_))
    points = cat.advise(**request_)
    assert len(points) == len(rows) > 0 and points.reason == ""
    for point, row in zip(points, rows):
        assert list(point) == list(row)
        for column, text in row.items():
            assert str(point[column]) == text or float(point[column]) == float(text), column


def test_why_is_the_commands_text(cat):
    name = cat.names[0]
    assert cat.advise(q=1000, dt=60, why=name) == cli("advise", "--q", "1000", "--dt", "60",
                                                      "--why", name).stdout


@pytest.mark.parametrize("request_", [{"q": 3, "dt": 120}, {"q": 3, "dt": 120, "stages": 2}])
def test_an_empty_answer_carries_the_commands_reason(cat, request_):
    done = cli("advise", *options(request_))
    answer = cat.advise(**request_)
    assert answer == [] and isinstance(answer, list)
    assert answer.reason == done.stderr.strip() != ""


def as_keywords(message):
    """The command's message with each option named by its Python keyword."""
    message = message.replace("unknown option ", "unknown keyword ")
    return re.sub(r"--([a-z][a-z0-9-]*)", lambda m: m.group(1).replace("-", "_"), message)


@pytest.mark.parametrize("call, words", [
    (lambda c: c.search(tolerance=3), ["search", "--tolerance", "3"]),
    (lambda c: c.search(q="ten"), ["search", "--q", "ten"]),
    (lambda c: c.advise(dt=10), ["advise", "--dt", "10"]),
    (lambda c: c.advise(q=5, dt=10, colour=1), ["advise", "--q", "5", "--dt", "10", "--colour", "1"]),
    (lambda c: c.search(q=float("nan")), ["search", "--q", "nan"]),
    (lambda c: c.advise(q=5, dt=10, why="VQ"), ["advise", "--q", "5", "--dt", "10", "--why", "VQ"]),
    (lambda c: c.search(help=1), "unknown option --help"),  # not the help text as an answer
    (lambda c: c.search(q=-1), ["search", "--q", "-1"]),
    (lambda c: c.advise(q=-1, dt=3), ["advise", "--q", "-1", "--dt", "3"]),
    (lambda c: c.advise(q=1, dt=3, supply_voltage=-2),
     ["advise", "--q", "1", "--dt", "3", "--supply-voltage", "-2"]),
])
def test_bad_arguments_raise_the_commands_message_naming_the_keyword(cat, call, words):
    message = as_keywords(words if isinstance(words, str) else cli(*words).stderr.strip())
    with pytest.raises(ValueError) as raised:
        call(cat)
    assert str(raised.value) in message and not str(raised.value).startswith("vantiq-cli")
    assert "--" not in str(raised.value)


def test_a_catalogue_fault_raises_and_is_worded_as_the_command(tmp_path):
    missing = str(tmp_path / "none.tmb")
    expected = subprocess.run([CLI, "--base", missing, "list"], capture_output=True,
                              text=True).stderr.strip()
    with pytest.raises(vantiq.CatalogueError) as raised:
        vantiq.Catalogue(missing)
    assert str(raised.value) == expected
    with pytest.raises(ValueError):
        vantiq.Catalogue(SAMPLE, thot_c=150)


@pytest.mark.parametrize("call", [
    len, lambda c: c.names, lambda c: c.thot_c, lambda c: c.rated(), lambda c: c.search(),
    lambda c: c.advise(q=1), lambda c: c.curves(0),
])
def test_an_object_never_initialised_raises_instead_of_crashing(call):
    unopened = vantiq.Catalogue.__new__(vantiq.Catalogue)
    with pytest.raises(TypeError, match="__init__"):
        call(unopened)


def test_curves_meet_the_rated_values(cat):
    rated = cat.rated()
    index = int(np.nanargmax(rated["qmax"]))
    curves = cat.curves(index)
    heat = curves["heat"][-1]
    assert heat["current"] == pytest.approx(rated["imax"][index])
    # At the largest current the load falls from Qmax at dT = 0 to nothing at dTmax.
    (x0, x1), (y0, y1) = heat["dt"][-2:], heat["value"][-2:]
    assert y1 - x1 * (y1 - y0) / (x1 - x0) == pytest.approx(rated["qmax"][index], rel=1e-3)
    # ... and the curve ends within a step, (Th - 80 K) / 200, of dTmax.
    assert -heat["dt"].min() == pytest.approx(rated["dtmax"][index], abs=(298 - 80) / 200)
    assert curves["delta_t"]["dt"].max() <= 0 < curves["delta_t"]["current"].max()
    assert [c["factor"] for c in curves["cop"]] == [0.2, 0.4, 0.6, 0.8, 1.0]
    assert len(cat.curves(np.int64(index), steps=np.int32(20))["heat"]) == 5
    for index, steps in [(len(cat), 200), (-1, 200), (10**20, 200), (index, 0), (index, -1),
                         (index, 10**6), (index, 2**32 + 200)]:
        with pytest.raises(ValueError):
            cat.curves(index, steps)


def test_a_hot_side_set_from_another_thread_never_mixes_into_an_answer(tmp_path):
    own = str(tmp_path / "Base.tmb")
    shutil.copyfile(SAMPLE, own)
    cat = vantiq.Catalogue(own)
    load = {"q": 10, "dt": 30}
    answers = []
    for thot_c in (25, 60):
        cat.thot_c = thot_c
        answers.append((cat.advise(**load), cat.rated()["qmax"].tolist()))
    done = threading.Event()

    def swing():
        while not done.is_set():
            cat.thot_c = 25 if cat.thot_c == 60 else 60

    swinger = threading.Thread(target=swing)
    swinger.start()
    try:
        for _ in range(60):
            assert cat.advise(**load) in [a for a, _ in answers]
            assert str(cat.rated()["qmax"].tolist()) in [str(q) for _, q in answers]
    finally:
        done.set()
        swinger.join()

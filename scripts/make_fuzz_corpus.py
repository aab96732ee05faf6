#!/usr/bin/env python3
"""Writes fuzz/corpus/vantiq_base_fuzzer/: small catalogue files, sound and damaged, that seed the
catalogue fuzzer and that the tests replay.

Deterministic; run it again after changing a case and commit the files.
Layout: uint32 count n, n uint32 picture sizes, n entries of 112 bytes
(name char[30], 2 padding, double nominal current, uint32 pellet count,
4 padding, eight doubles), then the pictures back to back; little-endian.
"""
import math
import os
import struct
import sys

EXAMPLE = dict(name=b"EX-127", imax=6.0, pellets=127, length=0.0016, side=0.0014,
               width=40.0, length_mm=40.0, height=3.8, sigma=1e5, alpha=2e-4, kappa=1.5)
# The start of a PNG file: a picture whose decoding must fail cleanly.
PNG_START = bytes.fromhex("89504e470d0a1a0a0000000d49484452")


def entry(name=EXAMPLE["name"], **changes):
    m = dict(EXAMPLE, **changes)
    raw_name = name[:30].ljust(30, b"\0")
    return (raw_name + b"\0\0" + struct.pack("<dI4x", m["imax"], m["pellets"]) +
            struct.pack("<8d", m["length"], m["side"], m["width"], m["length_mm"],
                        m["height"], m["sigma"], m["alpha"], m["kappa"]))


def catalogue(entries, pictures=None, sizes=None):
    pictures = pictures or [b""] * len(entries)
    sizes = sizes if sizes is not None else [len(p) for p in pictures]
    return (struct.pack("<I", len(entries)) + b"".join(struct.pack("<I", s) for s in sizes) +
            b"".join(entries) + b"".join(pictures))


def cases():
    one = catalogue([entry()], [PNG_START])
    two = catalogue([entry(b"A"), entry(b"B", pellets=31)], [b"\1\2\3", PNG_START])
    yield "valid-one-module", one
    yield "valid-two-modules-pictures", two
    yield "valid-cyrillic-name", catalogue([entry("ТЭМ-127 ±".encode("cp1251"))])
    yield "valid-29-character-name", catalogue([entry(b"N" * 29)])
    yield "valid-tiny-current", catalogue([entry(imax=5e-324)])
    yield "empty", b""
    yield "short-header", b"\1\0\0"
    yield "count-zero", b"\0\0\0\0" + entry()
    yield "count-huge", b"\xff\xff\xff\xff" + entry()
    yield "count-beyond-file", struct.pack("<I", 3) + two[4:]
    yield "truncated-entry", one[:60]
    yield "name-without-nul", catalogue([entry(b"X" * 30)])
    yield "nominal-current-zero", catalogue([entry(imax=0.0), entry(b"B")])
    yield "nan-constants", catalogue([entry(sigma=math.nan, alpha=math.nan, kappa=math.nan)])
    yield "infinite-constants", catalogue([entry(sigma=math.inf, imax=math.inf)])
    yield "negative-geometry", catalogue([entry(length=-0.0016, side=-0.0014)])
    yield "zero-geometry", catalogue([entry(length=0.0, side=0.0, pellets=0)])
    yield "denormal-constants", catalogue([entry(sigma=5e-324, length=5e-320)])
    yield "huge-constants", catalogue([entry(imax=1e308, sigma=1e308, kappa=1e308)])
    yield "picture-beyond-file", catalogue([entry()], [PNG_START], sizes=[4096])
    yield "pictures-past-4gib", catalogue([entry(b"A"), entry(b"B")], [b"\1", b"\2"],
                                          sizes=[0xFFFFFFFF, 2])


def main(directory):
    os.makedirs(directory, exist_ok=True)
    for name, data in cases():
        with open(os.path.join(directory, name + ".tmb"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else
         os.path.join(os.path.dirname(__file__), "..", "fuzz", "corpus", "vantiq_base_fuzzer"))

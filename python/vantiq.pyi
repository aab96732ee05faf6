"""Thermoelectric module catalogues: rated values, search, operating points, datasheet fit."""

import os
from typing import Any, Optional, Union

import numpy as np
import numpy.typing as npt

_Number = Union[int, float]

class CatalogueError(RuntimeError):
    """The catalogue cannot be found, read or derived."""

class Answer(list[dict[str, Union[int, float, str]]]):
    """The rows of an answer; `reason` says why there are none."""

    reason: str

class Catalogue:
    """A catalogue of modules derived at a hot-side temperature."""

    def __init__(
        self, path: Union[str, bytes, os.PathLike[str], None] = None, thot_c: float = 25.0
    ) -> None: ...
    def __len__(self) -> int: ...
    @property
    def names(self) -> list[str]: ...
    thot_c: float
    def rated(self) -> dict[str, npt.NDArray[Any]]: ...
    def search(
        self,
        *,
        q: _Number = ...,
        dt: _Number = ...,
        supply_voltage: _Number = ...,
        supply_current: _Number = ...,
        mode: str = ...,
        resistance: _Number = ...,
        tolerance: int = ...,
        width: _Number = ...,
        length: _Number = ...,
        height: _Number = ...,
        name: str = ...,
        sort: str = ...,
        order: str = ...,
    ) -> list[int]: ...
    def advise(
        self,
        *,
        q: _Number,
        dt: _Number = ...,
        cold_c: _Number = ...,
        ambient_c: _Number = ...,
        sink_rth: _Number = ...,
        supply_voltage: _Number = ...,
        supply_current: _Number = ...,
        modules: Union[int, str] = ...,
        wiring: str = ...,
        width: _Number = ...,
        length: _Number = ...,
        height: _Number = ...,
        name: str = ...,
        sort: str = ...,
        order: str = ...,
        stages: int = ...,
        currents: str = ...,
        mass_j_per_k: _Number = ...,
        why: str = ...,
    ) -> Union[Answer, str]: ...
    def curves(self, index: int, steps: int = 200) -> dict[str, Any]: ...

def fit_ratings(
    *,
    couples: int,
    imax: float,
    umax: float,
    dtmax: float,
    width: float,
    length: float,
    height: float,
    qmax: Optional[float] = None,
    rated_thot_c: float = 25.0,
    pellet_length: Optional[float] = None,
    pellet_side: Optional[float] = None,
    ac_resistance: Optional[float] = None,
    mode: str = "imax-umax-dtmax",
) -> dict[str, Any]: ...

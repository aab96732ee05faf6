"""Thermoelectric module catalogues: rated values, search and operating points."""

from typing import Any, Optional, Union

import numpy as np
import numpy.typing as npt

Number = Union[int, float]

class CatalogueError(RuntimeError):
    """The catalogue cannot be found, read or derived."""

class Catalogue:
    """A catalogue of modules derived at a hot-side temperature."""

    def __init__(self, path: Optional[str] = None, thot_c: float = 25.0) -> None: ...
    def __len__(self) -> int: ...
    @property
    def names(self) -> list[str]: ...
    thot_c: float
    def rated(self) -> dict[str, npt.NDArray[Any]]: ...
    def search(
        self,
        *,
        q: Number = ...,
        dt: Number = ...,
        supply_voltage: Number = ...,
        supply_current: Number = ...,
        mode: str = ...,
        resistance: Number = ...,
        tolerance: int = ...,
        width: Number = ...,
        length: Number = ...,
        height: Number = ...,
        name: str = ...,
        sort: str = ...,
        order: str = ...,
    ) -> list[int]: ...
    def advise(
        self,
        *,
        q: Number,
        dt: Number = ...,
        cold_c: Number = ...,
        ambient_c: Number = ...,
        sink_rth: Number = ...,
        supply_voltage: Number = ...,
        supply_current: Number = ...,
        modules: Union[int, str] = ...,
        wiring: str = ...,
        width: Number = ...,
        length: Number = ...,
        height: Number = ...,
        name: str = ...,
        sort: str = ...,
        order: str = ...,
        stages: int = ...,
        currents: str = ...,
        mass_j_per_k: Number = ...,
        why: str = ...,
    ) -> Union[list[dict[str, Union[int, float, str]]], str]: ...
    def curves(self, index: int, steps: int = 200) -> dict[str, Any]: ...

#pragma once

#include <pybind11/pybind11.h>

namespace vantiq::python {

// Adds `fit_ratings`: the datasheet fit of the catalogue tool and the
// window's "module from datasheet", for one module given by its ratings.
void BindFit(pybind11::module_& m);

}  // namespace vantiq::python

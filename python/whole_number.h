#pragma once

#include <pybind11/pybind11.h>

#include <climits>

// A whole number as Python passes one: an int or a NumPy integer. One beyond
// long long is held as that limit, which every range then refuses by value
// rather than as an argument of the wrong type.
struct Whole {
    long long value = 0;
};

namespace pybind11::detail {
template <>
struct type_caster<Whole> {
    PYBIND11_TYPE_CASTER(Whole, const_name("int"));
    bool load(handle source, bool) {
        const auto whole = reinterpret_steal<object>(PyNumber_Index(source.ptr()));
        if (!whole) {
            PyErr_Clear();
            return false;
        }
        int overflow = 0;
        const long long number = PyLong_AsLongLongAndOverflow(whole.ptr(), &overflow);
        value.value = overflow > 0 ? LLONG_MAX : overflow < 0 ? LLONG_MIN : number;
        return true;
    }
    static handle cast(Whole whole, return_value_policy, handle) {
        return PyLong_FromLongLong(whole.value);
    }
};
}  // namespace pybind11::detail

// The `vantiq` Python module: the catalogue, its search and its advice,
// answered by the same core code and the same option reading as vantiq-cli.
#include <pybind11/eval.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <charconv>
#include <cstring>
#include <filesystem>

#include "catalogue.h"
#include "fit_binding.h"
#include "whole_number.h"

namespace py = pybind11;

using vantiq::python::ArgumentFault;
using vantiq::python::Catalogue;
using vantiq::python::CatalogueFault;
using vantiq::python::Options;

namespace {

// supply_voltage=12 becomes --supply-voltage 12; str() of a float is its
// shortest exact text, which the strict number reader takes as it is.
Options ToOptions(const py::kwargs& kwargs) {
    Options options;
    for (const auto& [key, value] : kwargs) {
        std::string name = py::str(key);
        for (char& c : name) {
            c = c == '_' ? '-' : c;
        }
        options.emplace_back(name, py::str(value).cast<std::string>());
    }
    return options;
}

py::array_t<double> Array(const std::vector<double>& values) {
    return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

// The rated values and the file fields, one array per column of `list`.
py::dict Rated(const Catalogue& cat) {
    std::vector<vantiq::ModuleValueArray> values;
    {
        py::gil_scoped_release release;
        values = cat.Values();
    }
    const auto header = vantiq::ModuleValueHeader();
    py::dict out;
    for (std::size_t c = 0; c < header.size(); ++c) {
        py::array_t<double> column(static_cast<py::ssize_t>(values.size()));
        auto cells = column.mutable_unchecked<1>();
        for (std::size_t r = 0; r < values.size(); ++r) {
            cells(static_cast<py::ssize_t>(r)) = values[r][c];
        }
        out[header[c].c_str()] = std::move(column);
    }
    out["pellets"] = out["pellets"].attr("astype")("uint32");
    return out;
}

// A CSV field as Python reads it: whole numbers as int, other numbers as
// float (the text is the shortest that reads back exactly), the rest as str.
py::object Field(const std::string& text) {
    long long whole = 0;
    const char* end = text.data() + text.size();
    if (auto [p, ec] = std::from_chars(text.data(), end, whole); ec == std::errc() && p == end) {
        return py::int_(whole);
    }
    double number = 0.0;
    if (auto [p, ec] = std::from_chars(text.data(), end, number); ec == std::errc() && p == end) {
        return py::float_(number);
    }
    return py::str(text);
}

// The list `advise` returns: rows, and the reason where there are none.
constexpr const char* kAnswerClass = R"(
class Answer(list):
    """The rows of an answer; `reason` says why there are none, as vantiq-cli
    says it on standard error, and is '' when there are rows."""

    reason = ""
)";

py::object Advise(const Catalogue& cat, const py::kwargs& kwargs) {
    const Options options = ToOptions(kwargs);
    std::string why;
    std::string reason;
    std::vector<std::vector<std::pair<std::string, std::string>>> rows;
    {
        py::gil_scoped_release release;
        rows = cat.Advise(options, why, reason);
    }
    if (!why.empty()) {
        return py::str(why);
    }
    py::object out = py::module_::import("vantiq").attr("Answer")();
    out.attr("reason") = py::str(reason);
    for (const auto& row : rows) {
        py::dict point;
        for (const auto& [column, text] : row) {
            point[column.c_str()] =
                column == "name" || column == "name_bottom" || column == "wiring" ? py::str(text)
                                                                                  : Field(text);
        }
        out.attr("append")(point);
    }
    return out;
}

py::list Family(const vantiq::CurveFamily& family) {
    py::list curves;
    for (const auto& c : family.curves) {
        py::dict curve;
        curve["factor"] = c.factor;
        curve["current"] = c.current;
        curve["dt"] = Array(c.points.x);
        curve["value"] = Array(c.points.y);
        curves.append(curve);
    }
    return curves;
}

py::dict Curves(const Catalogue& cat, Whole index, Whole steps) {
    Catalogue::Families families;
    {
        py::gil_scoped_release release;
        families = cat.Curves(index.value, steps.value);
    }
    py::dict out;
    out["delta_t"] = py::dict(py::arg("current") = Array(families.deltaT.x),
                              py::arg("dt") = Array(families.deltaT.y));
    out["heat"] = Family(families.heat);
    out["voltage"] = Family(families.voltage);
    out["cop"] = Family(families.cop);
    return out;
}

// Names the modules that could not be derived, as the command does on
// standard error.
void WarnSkipped(const std::string& skipped) {
    if (!skipped.empty() && PyErr_WarnEx(PyExc_UserWarning, skipped.c_str(), 1) < 0) {
        throw py::error_already_set();
    }
}

void SetThot(Catalogue& cat, double thotC) {
    const std::string thot = py::str(py::float_(thotC));
    std::string skipped;
    {
        py::gil_scoped_release release;
        skipped = cat.SetThotC(thot);
    }
    WarnSkipped(skipped);
}

// What Python holds. `Catalogue.__new__(Catalogue)` without `__init__`
// hands the methods storage that pybind11 allocates lazily through the
// class's own operator new; zeroing it there makes `cat` a null pointer that
// `Of` refuses, instead of garbage that crashes the interpreter.
struct Held {
    std::unique_ptr<Catalogue> cat;

    static void* operator new(std::size_t size) {
        void* storage = ::operator new(size);
        std::memset(storage, 0, size);
        return storage;
    }
    static void operator delete(void* storage) { ::operator delete(storage); }
};

Catalogue& Of(const Held& held) {
    if (!held.cat) {
        throw py::type_error("Catalogue.__init__() was not called");
    }
    return *held.cat;
}

std::unique_ptr<Catalogue> Open(const std::optional<std::filesystem::path>& path, double thotC) {
    const std::string thot = py::str(py::float_(thotC));
    std::unique_ptr<Catalogue> cat;
    {
        py::gil_scoped_release release;
        cat = std::make_unique<Catalogue>(path ? path->string() : std::string(), thot);
    }
    WarnSkipped(cat->Skipped());
    return cat;
}

}  // namespace

PYBIND11_MODULE(vantiq, m) {
    m.doc() =
        "Thermoelectric module catalogues: rated values, search and operating points, "
        "answered exactly as vantiq-cli answers them, and the datasheet fit of "
        "vantiq-basetool.";
    static py::exception<CatalogueFault> catalogueError(m, "CatalogueError", PyExc_RuntimeError);
    catalogueError.doc() = "The catalogue cannot be found, read or derived.";
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) {
                std::rethrow_exception(p);
            }
        } catch (const CatalogueFault& e) {
            PyErr_SetString(catalogueError.ptr(), e.message.c_str());
        } catch (const ArgumentFault& e) {
            PyErr_SetString(PyExc_ValueError, e.message.c_str());
        }
    });
    py::class_<Held>(m, "Catalogue", "A catalogue of modules derived at a hot-side temperature.")
        .def(py::init([](const std::optional<std::filesystem::path>& path, double thotC) {
                 return Held{Open(path, thotC)};
             }),
             py::arg("path") = py::none(), py::arg("thot_c") = 25.0,
             "Opens the catalogue at `path` (None: the first Base.tmb where vantiq-cli looks) "
             "and derives every module at `thot_c` degrees Celsius (-50 to 100). Modules that "
             "cannot be derived are named in a UserWarning. The file stays held, as the window "
             "holds it, until the catalogue is garbage-collected.")
        .def(
            "__len__", [](const Held& h) { return Of(h).Size(); },
            "The number of modules in the file.")
        .def_property_readonly(
            "names", [](const Held& h) { return Of(h).Names(); },
            "The module names in file order, decoded from Windows-1251.")
        .def_property(
            "thot_c", [](const Held& h) { return Of(h).ThotC(); },
            [](Held& h, double thotC) { SetThot(Of(h), thotC); },
            "The hot-side temperature in degrees Celsius; setting it derives every module again.")
        .def(
            "rated", [](const Held& h) { return Rated(Of(h)); },
            "The columns of `vantiq-cli list` as NumPy arrays in file order: imax, umax, dtmax, "
            "qmax, ac_resistance (NaN where a module cannot be derived), pellets, width, length, "
            "height.")
        .def(
            "search",
            [](Held& h, const py::kwargs& kwargs) {
                const Options options = ToOptions(kwargs);
                Catalogue& cat = Of(h);
                py::gil_scoped_release release;
                return cat.Search(options);
            },
            "The indexes of the modules that meet every requirement given, in the list's order. "
            "Keywords are the options of `vantiq-cli search`: q, dt, supply_voltage, "
            "supply_current, mode, resistance, tolerance, width, length, height, name, sort, "
            "order; numbers 0 or more, 0 leaving the requirement out. A bad value raises "
            "ValueError with the command's message, naming the keyword.")
        .def(
            "advise", [](const Held& h, const py::kwargs& kwargs) { return Advise(Of(h), kwargs); },
            "The operating points as an Answer, a list of dicts with the columns of "
            "`vantiq-cli advise` (row, index, name, modules, wiring, current, voltage, power, "
            "cop, heat_rejected, thot, dt, qmax_at_dt; under a heat sink also sink_rth_max, the "
            "largest sink resistance in K/W the set holds the load with), whose `reason` says "
            "why it is empty as the command does on standard error. Keywords are the command's "
            "options: q, dt, cold_c, ambient_c, sink_rth (left out with ambient_c: every module "
            "at a sink of none, ranked by sink_rth_max), supply_voltage, supply_current, "
            "modules, wiring, width, length, height, name, sort, order, stages, currents, "
            "mass_j_per_k (adding pull_down_current and pull_down_s, a float or 'never', at the "
            "current that gets there soonest); with stages=2 the stacks' rows; with why=NAME "
            "the command's text for that module instead, its row as CSV or why it is not a "
            "result. q is required; a bad value raises ValueError with the command's message, "
            "naming the keyword.")
        .def(
            "curves",
            [](const Held& h, Whole index, Whole steps) { return Curves(Of(h), index, steps); },
            py::arg("index"), py::arg("steps") = 200,
            "The performance curves of the module at `index` (a position in file order) at the "
            "hot side, `steps` samples each: 'delta_t', a dict of the arrays current (A) and "
            "dt (K, the zero-load cold minus hot side), and 'heat' (Qc, W), 'voltage' (V) and "
            "'cop', five curves each, one per current 0.2, 0.4, ... 1.0 x imax, each a dict of "
            "factor, current and the arrays dt (K, cold minus hot side) and value. An index or "
            "steps (2 to 100000) out of range raises ValueError, a module that cannot be "
            "derived CatalogueError.");
    py::exec(kAnswerClass, m.attr("__dict__"));
    m.attr("Answer").attr("__module__") = "vantiq";
    vantiq::python::BindFit(m);
}

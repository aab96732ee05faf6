#include "fit_binding.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "core/fit/rating_fit.h"
#include "whole_number.h"

namespace py = pybind11;

namespace vantiq::python {
namespace {

// The keywords of fit_ratings, named as the columns of a ratings source.
struct RatingsArgs {
    Whole couples;
    double ratedThotC = 25.0;
    double imax = 0.0;
    double umax = 0.0;
    double dtmax = 0.0;
    std::optional<double> qmax;
    double width = 0.0;
    double length = 0.0;
    double height = 0.0;
    std::optional<double> pelletLength, pelletSide, acResistance;
};

Ratings ToRatings(const RatingsArgs& a) {
    // A count no module has is kept out of range, so the fit refuses it.
    const long long couples = std::clamp<long long>(a.couples.value, 0, UINT32_MAX);
    return {static_cast<std::uint32_t>(couples),
            a.ratedThotC,
            a.imax,
            a.umax,
            a.dtmax,
            a.qmax.value_or(0.0),
            a.width,
            a.length,
            a.height,
            a.pelletLength.value_or(0.0),
            a.pelletSide.value_or(0.0),
            a.acResistance.value_or(0.0)};
}

py::dict FiveRatings(double imax, double umax, double dtmax, double qmax, double acResistance) {
    py::dict rated;
    rated["imax"] = imax;
    rated["umax"] = umax;
    rated["dtmax"] = dtmax;
    rated["qmax"] = qmax;
    rated["ac_resistance"] = acResistance;
    return rated;
}

// The fitted module's file fields under the names of the material-form
// columns, what the derivation gives at the rated hot side and how far that
// lies from the ratings.
py::dict Fitted(const Ratings& ratings, const RatingFit& fit) {
    const FileFields& r = fit.record.file;
    py::dict out;
    out["nominal_current"] = r.nominalCurrent;
    out["pellet_count"] = r.pelletCount;
    out["pellet_length"] = r.pelletLength;
    out["pellet_side"] = r.pelletSide;
    out["width"] = r.width;
    out["length"] = r.length;
    out["height"] = r.height;
    out["electrical_conductivity"] = r.electricalConductivity;
    out["seebeck_coefficient"] = r.seebeckCoefficient;
    out["thermal_conductivity"] = r.thermalConductivity;
    const RatedValues& d = fit.derived;  // dtMax signed; the ratings give it positive
    out["derived"] = FiveRatings(d.imax, d.umax, -d.dtMax, d.qmax, d.acResistance);
    const RatingDeviations e = DeviationsOf(ratings, d);
    out["deviations"] = FiveRatings(e.imax, e.umax, e.dtMax, e.qmax, e.acResistance);
    out["assumption"] = fit.assumption;
    out["verdict"] = FitVerdict(ratings, d);
    return out;
}

py::dict FitFor(const RatingsArgs& args, const std::string& modeWord) {
    const auto mode = FitModeNamed(modeWord);
    if (!mode) {
        throw py::value_error(
            "mode takes minimax, imax-umax-dtmax, imax-dtmax-qmax or balance, not '" + modeWord +
            "'");
    }
    const Ratings ratings = ToRatings(args);
    RatingFit fit;
    {
        py::gil_scoped_release release;
        fit = FitRatings(ratings, *mode);
    }
    if (!fit.problem.empty()) {
        throw py::value_error(fit.problem);
    }
    return Fitted(ratings, fit);
}

}  // namespace

void BindFit(py::module_& m) {
    m.def(
        "fit_ratings",
        [](Whole couples, double imax, double umax, double dtmax, double width, double length,
           double height, std::optional<double> qmax, double ratedThotC,
           std::optional<double> pelletLength, std::optional<double> pelletSide,
           std::optional<double> acResistance, const std::string& mode) {
            return FitFor({couples, ratedThotC, imax, umax, dtmax, qmax, width, length, height,
                           pelletLength, pelletSide, acResistance},
                          mode);
        },
        py::kw_only(), py::arg("couples"), py::arg("imax"), py::arg("umax"), py::arg("dtmax"),
        py::arg("width"), py::arg("length"), py::arg("height"), py::arg("qmax") = py::none(),
        py::arg("rated_thot_c") = 25.0, py::arg("pellet_length") = py::none(),
        py::arg("pellet_side") = py::none(), py::arg("ac_resistance") = py::none(),
        py::arg("mode") = "minimax",
        "Fits a module to its datasheet as `vantiq-basetool fit` does: finds the material "
        "constants, the nominal current and, when pellet_length and pellet_side (m) are not "
        "given, the leg sizes from which the derivation at rated_thot_c (degrees Celsius) "
        "gives the ratings imax (A), umax (V), dtmax (K, positive), qmax (W) and ac_resistance "
        "(ohm); width, length and height in mm. mode makes the largest deviation of imax, umax, "
        "dtmax and qmax as small as it can be ('minimax'), keeps imax, umax and dtmax "
        "('imax-umax-dtmax'), imax, dtmax and qmax ('imax-dtmax-qmax'), or balances every "
        "rating given ('balance'). Returns the file fields under the names of a catalogue "
        "source's columns (nominal_current, pellet_count, pellet_length, pellet_side, width, "
        "length, height, electrical_conductivity, seebeck_coefficient, thermal_conductivity), "
        "'derived' and 'deviations' (relative, dtmax in K; NaN for a rating not given), each a "
        "dict of imax, umax, dtmax, qmax and ac_resistance, 'assumption', the leg sizes "
        "chosen or '', and 'verdict', how far datasheet and model part in one line. Ratings the "
        "model cannot reach raise ValueError with the tool's "
        "message.");
}

}  // namespace vantiq::python

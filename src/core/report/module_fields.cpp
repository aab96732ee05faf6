#include "core/report/module_fields.h"

#include <cmath>
#include <limits>

#include "core/report/numbers.h"

namespace vantiq {

ModuleValueArray ModuleValues(const TemRecord& r) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const bool d = r.derivable;
    return {d ? r.imax : nan,
            d ? r.umax : nan,
            d ? std::fabs(r.dtMax) : nan,
            d ? r.qmax : nan,
            d ? r.acResistance : nan,
            static_cast<double>(r.pelletCount),
            r.width,
            r.length,
            r.height};
}

CsvRow ModuleValueFields(const TemRecord& r) {
    const ModuleValueArray values = ModuleValues(r);
    CsvRow fields;
    for (std::size_t i = 0; i < kRatedValueCount; ++i) {
        fields.push_back(r.derivable ? FormatShortest(values[i]) : std::string());
    }
    fields.push_back(std::to_string(r.pelletCount));  // a count, never in exponent form
    for (std::size_t i = kRatedValueCount + 1; i < values.size(); ++i) {
        fields.push_back(FormatShortest(values[i]));
    }
    return fields;
}

CsvRow ModuleValueHeader() {
    return {"imax",    "umax",  "dtmax",  "qmax",  "ac_resistance",
            "pellets", "width", "length", "height"};
}

}  // namespace vantiq

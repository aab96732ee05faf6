#include "core/report/module_fields.h"

#include <cmath>
#include <limits>

#include "core/report/numbers.h"

namespace vantiq {

ModuleValueArray ModuleValues(const TemRecord& r) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ModuleRating& v = r.rated;
    const bool d = v.derivable;
    return {d ? v.imax : nan,
            d ? v.umax : nan,
            d ? std::fabs(v.dtMax) : nan,
            d ? v.qmax : nan,
            d ? v.acResistance : nan,
            static_cast<double>(r.file.pelletCount),
            r.file.width,
            r.file.length,
            r.file.height};
}

CsvRow ModuleValueFields(const TemRecord& r) {
    const ModuleValueArray values = ModuleValues(r);
    CsvRow fields;
    for (std::size_t i = 0; i < kRatedValueCount; ++i) {
        fields.push_back(r.rated.derivable ? FormatShortest(values[i]) : std::string());
    }
    fields.push_back(std::to_string(r.file.pelletCount));  // a count, never in exponent form
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

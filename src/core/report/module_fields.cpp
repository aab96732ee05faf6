#include "core/report/module_fields.h"

#include <cmath>

#include "core/report/numbers.h"

namespace vantiq {

CsvRow ModuleValueFields(const TemRecord& r) {
    CsvRow fields;
    if (r.derivable) {
        for (double v : {r.imax, r.umax, std::fabs(r.dtMax), r.qmax, r.acResistance}) {
            fields.push_back(FormatShortest(v));
        }
    } else {
        fields.resize(5);
    }
    fields.push_back(std::to_string(r.pelletCount));
    for (double v : {r.width, r.length, r.height}) {
        fields.push_back(FormatShortest(v));
    }
    return fields;
}

CsvRow ModuleValueHeader() {
    return {"imax",    "umax",  "dtmax",  "qmax",  "ac_resistance",
            "pellets", "width", "length", "height"};
}

}  // namespace vantiq

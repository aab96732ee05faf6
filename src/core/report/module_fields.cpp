#include "core/report/module_fields.h"

#include <cmath>

#include "core/report/numbers.h"

namespace vantiq {

CsvRow ModuleValueFields(const TemRecord& r) {
    CsvRow fields;
    if (r.rated.derivable) {
        for (double v : {r.rated.imax, r.rated.umax, std::fabs(r.rated.dtMax), r.rated.qmax,
                         r.rated.acResistance}) {
            fields.push_back(FormatShortest(v));
        }
    } else {
        fields.resize(5);
    }
    fields.push_back(std::to_string(r.file.pelletCount));
    for (double v : {r.file.width, r.file.length, r.file.height}) {
        fields.push_back(FormatShortest(v));
    }
    return fields;
}

CsvRow ModuleValueHeader() {
    return {"imax",    "umax",  "dtmax",  "qmax",  "ac_resistance",
            "pellets", "width", "length", "height"};
}

}  // namespace vantiq

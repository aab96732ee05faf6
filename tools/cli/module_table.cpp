#include "cli/module_table.h"

#include <cmath>
#include <ostream>

#include "common/numbers.h"
#include "core/base/base_loader.h"
#include "core/base/catalogue_finder.h"
#include "core/base/cp1251.h"

namespace vantiq {

bool OpenAndLoad(const GlobalOptions& options, TemBase& base, std::ostream& err) {
    const auto candidates = options.basePath.empty()
                                ? DefaultCatalogueCandidates()
                                : std::vector<CatalogueCandidate>{{options.basePath, false}};
    if (const auto found = OpenFirstBase(base, candidates); found.error) {
        err << found.error->caption << " " << found.error->message << "\n";
        return false;
    }
    base.thot = options.thot;
    const LoadResult result = LoadBase(base);
    if (result.error) {
        err << result.error->caption << " " << result.error->message << "\n";
        return false;
    }
    const std::string skipped = UnderivableMessage(base, result.underivable);
    if (!skipped.empty()) {
        err << Cp1251ToUtf8(skipped) << "\n";
    }
    return true;
}

bool LoadAndSelect(const GlobalOptions& options, const std::string& name, TemBase& base,
                   std::ostream& err) {
    if (!OpenAndLoad(options, base, err)) {
        return false;
    }
    const auto bytes = Utf8ToCp1251(name);
    base.selected = bytes ? base.FindByName(*bytes) : -1;
    if (base.Selected() == nullptr) {
        err << "vantiq-cli: no module named " << name << "\n";
        return false;
    }
    if (!base.Selected()->derivable) {
        err << "vantiq-cli: module " << name
            << " has no rated values at this hot-side temperature\n";
        return false;
    }
    return true;
}

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

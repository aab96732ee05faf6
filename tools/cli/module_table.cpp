#include "cli/module_table.h"

#include <ostream>

#include "core/base/base_error.h"
#include "core/base/catalogue_finder.h"
#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/model/base_derivation.h"
#include "core/model/module_inputs.h"

namespace vantiq {

bool OpenAndLoad(const GlobalOptions& options, TemBase& base, std::ostream& err) {
    const auto candidates = options.basePath.empty()
                                ? DefaultCatalogueCandidates()
                                : std::vector<CatalogueCandidate>{{options.basePath, false}};
    if (const Result<std::string> found = OpenFirstBase(base, candidates); !found.ok()) {
        err << kBaseErrorCaption << " " << found.error().message << "\n";
        return false;
    }
    const Result<LoadReport> loaded = LoadBase(base, options.thot);
    if (!loaded.ok()) {
        err << kBaseErrorCaption << " " << loaded.error().message << "\n";
        return false;
    }
    const std::string skipped = UnderivableMessage(base, loaded->underivable);
    if (!skipped.empty()) {
        err << skipped << "\n";
    }
    return true;
}

std::optional<std::int32_t> LoadAndSelect(const GlobalOptions& options, const std::string& name,
                                          TemBase& base, std::ostream& err) {
    if (!OpenAndLoad(options, base, err)) {
        return std::nullopt;
    }
    const auto bytes = Utf8ToCp1251(name);
    const std::int32_t selected = bytes ? base.FindByName(*bytes) : -1;
    const TemRecord* record = RecordAt(base, selected);
    if (record == nullptr) {
        err << "vantiq-cli: no module named " << EscapeControls(name) << "\n";
        return std::nullopt;
    }
    if (!record->rated.derivable) {
        err << "vantiq-cli: module " << EscapeControls(name)
            << (HasPhysicalInputs(*record) ? " has no balance point at this hot-side temperature\n"
                                           : " does not describe a physical module\n");
        return std::nullopt;
    }
    return selected;
}

}  // namespace vantiq

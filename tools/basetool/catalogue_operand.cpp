#include "basetool/catalogue_operand.h"

#include "core/base/catalogue_finder.h"

namespace vantiq {

std::optional<std::string> CatalogueOperand(const CommandArgs& args, std::ostream& err) {
    if (!args.operands.empty()) {
        return args.operands[0];
    }
    const Result<std::string> found = FindFirstPresent(DefaultCatalogueCandidates());
    if (!found.ok()) {
        err << "vantiq-basetool: " << found.error().message << "\n";
        return std::nullopt;
    }
    return *found;
}

}  // namespace vantiq

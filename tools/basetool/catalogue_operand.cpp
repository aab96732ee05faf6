#include "basetool/catalogue_operand.h"

#include "core/base/catalogue_finder.h"

namespace vantiq {

std::optional<std::string> CatalogueOperand(const CommandArgs& args, std::ostream& err) {
    if (!args.operands.empty()) {
        return args.operands[0];
    }
    const FoundCatalogue found = FindFirstPresent(DefaultCatalogueCandidates());
    if (found.error) {
        err << "vantiq-basetool: " << found.error->message << "\n";
        return std::nullopt;
    }
    return found.path;
}

}  // namespace vantiq

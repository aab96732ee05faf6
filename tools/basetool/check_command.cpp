#include "basetool/check_command.h"

#include <algorithm>
#include <ostream>

#include "basetool/catalogue_check.h"
#include "basetool/catalogue_operand.h"
#include "basetool/hot_side_grid.h"
#include "basetool/picture_format.h"
#include "common/exit_status.h"
#include "core/base/safe_text.h"
#include "core/report/numbers.h"

namespace vantiq {
namespace {

// The step --thot-step asks for; 0 when it is not a whole number from 1 to 150.
int ReadThotStep(const CommandArgs& args) {
    const std::string text = args.Value("--thot-step");
    if (text.empty()) {
        return kDefaultThotStep;
    }
    const auto step = ParseStrictNumber(text);
    if (!step || *step < 1 || *step > 150 || *step != static_cast<int>(*step)) {
        return 0;
    }
    return static_cast<int>(*step);
}

std::string Count(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

int Report(const std::vector<CheckFinding>& findings, std::uint32_t count, int step,
           std::ostream& out) {
    for (const auto& finding : findings) {
        out << finding.text << "\n";
    }
    const bool refused = std::any_of(findings.begin(), findings.end(),
                                     [](const CheckFinding& f) { return f.refused; });
    if (refused) {
        out << Count(findings.size(), "problem") << "; the program would refuse this file\n";
        return kExitFailure;
    }
    out << Count(count, "module") << " checked, derived at hot sides 223-373 K in steps of " << step
        << " K (and at 298 K): ";
    if (findings.empty()) {
        out << "no problems\n";
        return kExitOk;
    }
    out << Count(findings.size(), "problem") << "; the program loads the file\n";
    return kExitProblems;
}

}  // namespace

int RunCheckCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const int step = ReadThotStep(args);
    if (step == 0) {
        err << "vantiq-basetool: --thot-step takes a whole number of kelvin from 1 to 150\n";
        return kExitUsage;
    }
    const auto path = CatalogueOperand(args, err);
    if (!path) {
        return kExitFailure;
    }
    const Result<StoredCatalogue> catalogue = ReadCatalogue(*path);
    if (!catalogue.ok()) {
        err << "vantiq-basetool: " << EscapeControls(*path) << ": " << catalogue.error().message
            << "\n";
        return kExitFailure;
    }
    const CheckSettings settings{HotSideGrid(step), PictureDecodes};
    return Report(CheckCatalogue(*catalogue, settings), catalogue->count, step, out);
}

}  // namespace vantiq

#include "basetool/fit_command.h"

#include <ostream>

#include "basetool/catalogue_csv.h"
#include "basetool/ratings_csv.h"
#include "basetool/source_text.h"
#include "common/exit_status.h"
#include "core/base/file_replace.h"
#include "core/base/safe_text.h"
#include "core/editing/catalogue_names.h"
#include "core/fit/fit_table.h"

namespace vantiq {
namespace {

struct FittedSource {
    std::string table;                // rated against derived, as CSV
    std::string catalogue;            // the material form, as CSV
    std::vector<std::string> errors;  // one per row that cannot be fitted
};

FittedSource FitRows(const std::vector<RatingsRow>& rows, FitMode mode) {
    FittedSource source;
    source.table = FormatCsvRow(FitTableHeader());
    source.catalogue = FormatCsvRow(CatalogueCsvHeader());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RatingFit fit = FitRatings(rows[i].ratings, mode);
        for (const CsvRow& line : FitTableRows(rows[i].name, rows[i].ratings, fit))
            source.table += FormatCsvRow(line);
        const auto entry = BuildCatalogueEntry(rows[i].name, fit.record, {});
        const std::string problem =
            fit.problem.empty() && !entry.ok() ? entry.error().message : fit.problem;
        if (!problem.empty())
            source.errors.push_back("row " + std::to_string(i + 1) + ": " + problem);
        else
            source.catalogue += FormatCsvRow(CatalogueCsvRow(entry->record, rows[i].pictureFile));
    }
    return source;
}

}  // namespace

std::optional<FitMode> FitModeOption(const CommandArgs& args) {
    const std::string mode = args.Value("--mode");
    return mode.empty() ? FitMode::LeastLargest : FitModeNamed(mode);
}

int RunFitCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const auto mode = FitModeOption(args);
    if (args.Value("-o").empty() || !mode) {
        err << "vantiq-basetool: fit needs -o CATALOGUE.csv and a --mode of minimax, "
               "imax-umax-dtmax, imax-dtmax-qmax or balance\n";
        return kExitUsage;
    }
    const std::string shown = EscapeControls(args.operands[0]);
    const Result<std::string> text = ReadSourceText(args.operands[0]);
    const auto rows =
        text.ok() ? ParseRatingsCsv(*text) : Result<std::vector<RatingsRow>>(text.error());
    if (!rows.ok()) {
        err << "vantiq-basetool: " << shown << ": " << rows.error().message << "\n";
        return kExitFailure;
    }
    const FittedSource fitted = FitRows(*rows, *mode);
    out << fitted.table;
    for (const std::string& error : fitted.errors)
        err << "vantiq-basetool: " << shown << ": " << error << "\n";
    if (!fitted.errors.empty())
        return kExitFailure;
    const Status written =
        ReplaceFileContents(args.Value("-o"), {fitted.catalogue.begin(), fitted.catalogue.end()});
    if (!written.ok()) {
        err << "vantiq-basetool: " << written.error().message << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq

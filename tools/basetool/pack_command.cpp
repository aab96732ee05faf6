#include "basetool/pack_command.h"

#include <iterator>
#include <ostream>

#include "basetool/catalogue_csv.h"
#include "basetool/fit_command.h"
#include "basetool/ratings_csv.h"
#include "basetool/row_picture.h"
#include "basetool/source_text.h"
#include "common/exit_status.h"
#include "common/headless_app.h"
#include "core/base/base_writer.h"
#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/editing/catalogue_names.h"
#include "render/datasheet/datasheet_drawing.h"

namespace vantiq {
namespace {

Error RowError(std::size_t index, const std::string& what) {
    return Error{"row " + std::to_string(index + 1) + ": " + what};
}

// The modules of the source with their pictures; the error names the row.
Result<std::vector<CatalogueEntry>> CollectEntries(const std::vector<CatalogueRow>& rows,
                                                   const std::string& pictures) {
    std::optional<std::filesystem::path> dir;
    if (!pictures.empty()) {
        std::error_code error;
        if (!std::filesystem::is_directory(pictures, error)) {
            return Error{"the pictures folder " + EscapeControls(pictures) + " does not exist"};
        }
        dir = pictures;
    }
    std::vector<CatalogueEntry> entries;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto picture = ReadRowPicture(rows[i], dir);
        if (!picture.ok()) {
            return RowError(i, picture.error().message);
        }
        entries.push_back({rows[i].entry.record, std::move(*picture)});
    }
    return entries;
}

Status DrawMissingDatasheets(std::vector<CatalogueEntry>& entries) {
    EnsureGuiApplication();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].picture.empty()) {
            entries[i].picture = DatasheetPng(entries[i].record);
            if (entries[i].picture.empty()) {
                return RowError(i, "the datasheet could not be encoded");
            }
        }
    }
    return {};
}

// The material-form rows of one source of either form; ratings are fitted.
Result<std::vector<CatalogueRow>> SourceRows(const std::string& text, FitMode mode) {
    if (!IsRatingsSource(text)) {
        return ParseCatalogueCsv(text);
    }
    const auto ratings = ParseRatingsCsv(text);
    if (!ratings.ok()) {
        return ratings.error();
    }
    return FittedCatalogueRows(*ratings, mode);
}

// One source's modules with their pictures, read and drawn as the options ask.
Result<std::vector<CatalogueEntry>> BuildEntries(const std::string& text, const CommandArgs& args,
                                                 FitMode mode) {
    const Result<std::vector<CatalogueRow>> rows = SourceRows(text, mode);
    if (!rows.ok()) {
        return rows.error();
    }
    auto entries = CollectEntries(*rows, args.Value("--pictures"));
    if (entries.ok() && args.Has("--draw-datasheets")) {
        if (const Status drawn = DrawMissingDatasheets(*entries); !drawn.ok()) {
            return drawn.error();
        }
    }
    return entries;
}

// An error naming both rows, source and row, when two modules of all the
// sources share a name: the catalogue finds a module by its name.
Status CheckNamesOnce(const std::vector<CatalogueEntry>& all,
                      const std::vector<std::string>& origins) {
    const auto twice = FirstRepeatedName(all);
    if (!twice)
        return {};
    return Error{"the name '" + EscapeControls(Cp1251ToUtf8(all[twice->first].record.Name())) +
                 "' is given twice: " + origins[twice->first] + " and " + origins[twice->second] +
                 "; nothing is written"};
}

// Every source's modules in the order given; the error names the source.
Status Pack(const CommandArgs& args, FitMode mode) {
    std::vector<CatalogueEntry> all;
    std::vector<std::string> origins;  // "SOURCE row N" of every entry
    for (const std::string& sourcePath : args.operands) {
        const Result<std::string> text = ReadSourceText(sourcePath);
        if (!text.ok()) {
            return text.error();
        }
        auto entries = BuildEntries(*text, args, mode);
        if (!entries.ok()) {
            return Error{EscapeControls(sourcePath) + ": " + entries.error().message};
        }
        for (std::size_t i = 0; i < entries->size(); ++i)
            origins.push_back(EscapeControls(sourcePath) + " row " + std::to_string(i + 1));
        all.insert(all.end(), std::make_move_iterator(entries->begin()),
                   std::make_move_iterator(entries->end()));
    }
    if (const Status once = CheckNamesOnce(all, origins); !once.ok())
        return once;
    return WriteBase(args.Value("-o"), all);
}

}  // namespace

int RunPackCommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
    if (args.Value("-o").empty()) {
        err << "vantiq-basetool: pack needs -o Base.tmb\n";
        return kExitUsage;
    }
    const auto mode = FitModeOption(args);
    if (!mode) {
        err << "vantiq-basetool: --mode must be minimax, imax-umax-dtmax, imax-dtmax-qmax or "
               "balance\n";
        return kExitUsage;
    }
    if (const Status packed = Pack(args, *mode); !packed.ok()) {
        err << "vantiq-basetool: " << packed.error().message << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq

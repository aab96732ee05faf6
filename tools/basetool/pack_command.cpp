#include "basetool/pack_command.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "basetool/catalogue_csv.h"
#include "basetool/row_picture.h"
#include "common/exit_status.h"
#include "common/headless_app.h"
#include "core/base/base_writer.h"
#include "core/base/safe_text.h"
#include "render/datasheet/datasheet_drawing.h"

namespace vantiq {
namespace {

Result<std::string> ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (!in) {
        return Error{"cannot read " + EscapeControls(path)};
    }
    return buffer.str();
}

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

// The catalogue's modules with their pictures, read and drawn as the options ask.
Result<std::vector<CatalogueEntry>> BuildEntries(const std::string& text, const CommandArgs& args) {
    const Result<std::vector<CatalogueRow>> rows = ParseCatalogueCsv(text);
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

Status Pack(const CommandArgs& args) {
    const std::string& sourcePath = args.operands[0];
    const Result<std::string> text = ReadText(sourcePath);
    if (!text.ok()) {
        return text.error();
    }
    const auto entries = BuildEntries(*text, args);
    if (!entries.ok()) {
        return Error{EscapeControls(sourcePath) + ": " + entries.error().message};
    }
    return WriteBase(args.Value("-o"), *entries);
}

}  // namespace

int RunPackCommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
    if (args.Value("-o").empty()) {
        err << "vantiq-basetool: pack needs -o Base.tmb\n";
        return kExitUsage;
    }
    if (const Status packed = Pack(args); !packed.ok()) {
        err << "vantiq-basetool: " << packed.error().message << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq

#include "basetool/pack_command.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "basetool/catalogue_csv.h"
#include "basetool/row_picture.h"
#include "common/exit_status.h"
#include "common/headless_app.h"
#include "core/base/base_writer.h"
#include "render/datasheet/datasheet_drawing.h"

namespace vantiq {
namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return static_cast<bool>(in);
}

// The modules of the source with their pictures; an error text naming the row otherwise.
std::string CollectEntries(const CatalogueSource& source, const std::string& pictures,
                           std::vector<CatalogueEntry>& entries) {
    std::optional<std::filesystem::path> dir;
    if (!pictures.empty()) {
        std::error_code error;
        if (!std::filesystem::is_directory(pictures, error)) {
            return "the pictures folder " + pictures + " does not exist";
        }
        dir = pictures;
    }
    for (std::size_t i = 0; i < source.rows.size(); ++i) {
        CatalogueEntry entry = source.rows[i].entry;
        if (auto error = ReadRowPicture(source.rows[i], dir, entry.picture); !error.empty()) {
            return "row " + std::to_string(i + 1) + ": " + error;
        }
        entries.push_back(std::move(entry));
    }
    return {};
}

std::string DrawMissingDatasheets(std::vector<CatalogueEntry>& entries) {
    EnsureGuiApplication();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].picture.empty()) {
            entries[i].picture = DatasheetPng(entries[i].record);
            if (entries[i].picture.empty()) {
                return "row " + std::to_string(i + 1) + ": the datasheet could not be encoded";
            }
        }
    }
    return {};
}

std::string Pack(const CommandArgs& args) {
    const std::string& sourcePath = args.operands[0];
    std::string text;
    if (!ReadText(sourcePath, text)) {
        return "cannot read " + sourcePath;
    }
    const CatalogueSource source = ParseCatalogueCsv(text);
    std::vector<CatalogueEntry> entries;
    std::string error = source.error;
    if (error.empty()) {
        error = CollectEntries(source, args.Value("--pictures"), entries);
    }
    if (error.empty() && args.Has("--draw-datasheets")) {
        error = DrawMissingDatasheets(entries);
    }
    if (!error.empty()) {
        return sourcePath + ": " + error;
    }
    return WriteBase(args.Value("-o"), entries).value_or(std::string());
}

}  // namespace

int RunPackCommand(const CommandArgs& args, std::ostream&, std::ostream& err) {
    if (args.Value("-o").empty()) {
        err << "vantiq-basetool: pack needs -o Base.tmb\n";
        return kExitUsage;
    }
    if (const std::string error = Pack(args); !error.empty()) {
        err << "vantiq-basetool: " << error << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq

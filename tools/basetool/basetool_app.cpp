#include "basetool_app.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "base/base_writer.h"
#include "catalogue_csv.h"

namespace vantiq {
namespace {

constexpr const char* kUsage =
    "Usage: vantiq-basetool pack CATALOGUE.csv -o Base.tmb\n"
    "\n"
    "  pack   builds a catalogue file from a CSV source with the columns\n"
    "         name,nominal_current,pellet_count,pellet_length,pellet_side,width,length,\n"
    "         height,electrical_conductivity,seebeck_coefficient,thermal_conductivity,picture\n";

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return static_cast<bool>(in);
}

int Pack(const std::string& source, const std::string& output, std::ostream& err) {
    std::string text;
    if (!ReadFile(source, text)) {
        err << "vantiq-basetool: cannot read " << source << "\n";
        return 1;
    }
    const CatalogueSource catalogue = ParseCatalogueCsv(text);
    if (!catalogue.error.empty()) {
        err << "vantiq-basetool: " << source << ": " << catalogue.error << "\n";
        return 1;
    }
    std::vector<CatalogueEntry> entries;
    for (const auto& row : catalogue.rows) {
        entries.push_back(row.entry);
    }
    if (const auto error = WriteBase(output, entries)) {
        err << "vantiq-basetool: " << *error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int RunBaseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    if (args.size() == 4 && args[0] == "pack" && args[2] == "-o") {
        return Pack(args[1], args[3], err);
    }
    err << kUsage;
    return 2;
}

}  // namespace vantiq

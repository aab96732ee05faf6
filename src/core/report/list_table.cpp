#include "core/report/list_table.h"

#include <cmath>
#include <sstream>

#include "core/base/cp1251.h"
#include "core/report/csv.h"
#include "core/report/module_fields.h"
#include "core/selection/number_input.h"

namespace vantiq {

std::string ListCsv(const TemBase& base, const ResultList& list) {
    std::ostringstream text;
    WriteListCsv(base, list, text);
    return std::move(text).str();
}

namespace {

// Millimetres as the datasheet shows them: three decimals, trailing zeros dropped.
std::string Millimetres(double value) {
    std::string text = FormatFixed(value, 3);
    while (text.size() > 1 && text.back() == '0' && text.find('.') != std::string::npos) {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

CsvRow SheetFields(const TemRecord& r) {
    CsvRow fields;
    const ModuleRating& v = r.rated;
    if (v.derivable) {
        fields = {FormatFixed(v.imax, 2), FormatFixed(v.umax, 2),
                  FormatFixed(std::fabs(v.dtMax), 1), FormatFixed(v.qmax, 1),
                  FormatFixed(v.acResistance, std::fabs(v.acResistance) < 1.0 ? 3 : 2)};
    } else {
        fields.resize(5);
    }
    fields.push_back(std::to_string(r.file.pelletCount));
    for (double size : {r.file.width, r.file.length, r.file.height}) {
        fields.push_back(Millimetres(size));
    }
    return fields;
}

}  // namespace

std::string ListSheetCsv(const TemBase& base, const ResultList& list) {
    std::string text = FormatCsvRow({"\u2116", "TEM name", "Imax (A)", "Umax (V)",
                                     "dTmax (\u00B0C)", "Qmax (W)", "AC resistance (ohm)",
                                     "Pellets", "Width (mm)", "Length (mm)", "Height (mm)"});
    const auto modules = list.Modules(base);
    for (std::size_t k = 0; k < modules.size(); ++k) {
        const TemRecord& record = base.records.at(static_cast<std::size_t>(modules[k]));
        CsvRow row = {std::to_string(k), Cp1251ToUtf8(record.Name())};
        for (auto& field : SheetFields(record)) {
            row.push_back(std::move(field));
        }
        text += FormatCsvRow(row);
    }
    return text;
}

void WriteListCsv(const TemBase& base, const ResultList& list, std::ostream& out) {
    CsvRow header = {"row", "index", "name"};
    for (auto& field : ModuleValueHeader()) {
        header.push_back(std::move(field));
    }
    out << FormatCsvRow(header);
    const auto modules = list.Modules(base);
    for (std::size_t k = 0; k < modules.size(); ++k) {
        // Rows are names of the base, so each names a record.
        const TemRecord& record = base.records.at(static_cast<std::size_t>(modules[k]));
        CsvRow row = {std::to_string(k), std::to_string(modules[k]), Cp1251ToUtf8(record.Name())};
        for (auto& field : ModuleValueFields(record)) {
            row.push_back(std::move(field));
        }
        out << FormatCsvRow(row);
    }
}

}  // namespace vantiq

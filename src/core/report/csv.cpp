#include "core/report/csv.h"

namespace vantiq {
namespace {

std::string QuoteField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(field);
    }
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

bool IsBlank(const CsvRow& row) {
    return row.size() == 1 && row[0].empty();
}

}  // namespace

std::string FormatCsvRow(const CsvRow& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += QuoteField(fields[i]);
    }
    return line + "\r\n";
}

Result<std::vector<CsvRow>> ParseCsv(std::string_view text) {
    std::vector<CsvRow> rows;
    CsvRow row(1);
    bool quoted = false;
    std::size_t line = 1;
    std::size_t quoteLine = 0;
    auto endRow = [&] {
        if (!IsBlank(row)) {
            rows.push_back(std::move(row));
        }
        row = CsvRow(1);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                row.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n';
                row.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
            quoteLine = line;
        } else if (c == ',') {
            row.emplace_back();
        } else if (c == '\n') {
            ++line;
            endRow();
        } else if (c != '\r') {
            row.back() += c;
        }
    }
    if (quoted) {
        return Error{"line " + std::to_string(quoteLine) + ": a quoted field is not closed"};
    }
    endRow();
    return rows;
}

}  // namespace vantiq

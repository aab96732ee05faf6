#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantiq {

using CsvRow = std::vector<std::string>;

// One CSV record (RFC 4180): fields joined by commas, quoted where they hold a
// comma, a quote or a line break, ended by CR LF.
std::string FormatCsvRow(const CsvRow& fields);

struct CsvTable {
    std::vector<CsvRow> rows;
    std::string error;  // empty on success; names the line otherwise
};

// Parses CSV text with CR LF or LF line ends and quoted fields. Blank lines
// are skipped. An unterminated quote is an error naming its line.
CsvTable ParseCsv(std::string_view text);

}  // namespace vantiq

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/base/result.h"

namespace vantiq {

using CsvRow = std::vector<std::string>;

// One CSV record (RFC 4180): fields joined by commas, quoted where they hold a
// comma, a quote or a line break, ended by CR LF.
std::string FormatCsvRow(const CsvRow& fields);

// Parses CSV text with CR LF or LF line ends and quoted fields into its
// rows. Blank lines are skipped. An unterminated quote is an error naming
// its line.
Result<std::vector<CsvRow>> ParseCsv(std::string_view text);

}  // namespace vantiq

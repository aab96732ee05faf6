#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/base/base_writer.h"
#include "core/report/csv.h"

namespace vantiq {

// The columns of a catalogue source, in order. Names are UTF-8; lengths of
// legs in metres, module dimensions in millimetres, constants in SI units.
inline constexpr const char* kCatalogueColumns[] = {
    "name",
    "nominal_current",
    "pellet_count",
    "pellet_length",
    "pellet_side",
    "width",
    "length",
    "height",
    "electrical_conductivity",
    "seebeck_coefficient",
    "thermal_conductivity",
    "picture",
};

// One module of a catalogue source with the picture file its row names.
struct CatalogueRow {
    CatalogueEntry entry;
    std::string pictureFile;  // as written in the `picture` column; may be empty
};

// Reads a catalogue source: a header row with the columns above, then one row
// per module. Names are converted to Windows-1251 and must fit in 29 bytes.
// The error names the row (1 = first data row).
Result<std::vector<CatalogueRow>> ParseCatalogueCsv(std::string_view text);

// The columns above as a header row.
CsvRow CatalogueCsvHeader();

// The row of one stored module: its name decoded from Windows-1251, its
// numbers in shortest round-trip form and `picture` in the last column.
CsvRow CatalogueCsvRow(const TemRecord& record, const std::string& picture);

}  // namespace vantiq

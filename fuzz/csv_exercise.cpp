#include "csv_exercise.h"

#include <array>
#include <cstring>
#include <vector>

#include "basetool/catalogue_csv.h"
#include "core/base/base_layout.h"
#include "core/report/csv.h"

namespace vantiq {
namespace {

// The entry's file fields as the catalogue stores them; comparing these
// bytes compares every field bit for bit, NaN payloads and signed zeros too.
std::array<unsigned char, kEntrySize> Stored(const TemRecord& record) {
    std::array<unsigned char, kEntrySize> bytes{};
    EncodeEntry(record, bytes.data());
    return bytes;
}

std::string CheckRow(const CatalogueRow& row) {
    const TemRecord& record = row.entry.record;
    if (std::memchr(record.file.name.data(), '\0', kNameSize) == nullptr) {
        return "an accepted name has no terminator within its 30 bytes";
    }
    const auto stored = Stored(record);
    if (Stored(DecodeEntry(stored.data())) != stored) {
        return "an accepted entry changed in the catalogue file's encoding";
    }
    return {};
}

using Rows = std::vector<CatalogueRow>;

// What `dump` would write for these rows, with the header.
std::string DumpText(const Rows& rows) {
    std::string text = FormatCsvRow(CatalogueCsvHeader());
    for (const CatalogueRow& row : rows) {
        text += FormatCsvRow(CatalogueCsvRow(row.entry.record, row.pictureFile));
    }
    return text;
}

std::string CheckDumpReadsBack(const Rows& rows) {
    const Result<Rows> again = ParseCatalogueCsv(DumpText(rows));
    if (!again.ok()) {
        return "the dumped rows were not read back: " + again.error().message;
    }
    if (again->size() != rows.size()) {
        return "the dumped rows were not read back";
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (Stored((*again)[i].entry.record) != Stored(rows[i].entry.record) ||
            (*again)[i].pictureFile != rows[i].pictureFile) {
            return "a dumped row read back as another module";
        }
    }
    return {};
}

}  // namespace

std::string ExerciseCatalogueCsv(std::string_view text) {
    const Result<Rows> rows = ParseCatalogueCsv(text);
    if (!rows.ok()) {
        return "";
    }
    if (rows->empty()) {
        return "an accepted source holds no module";
    }
    for (const CatalogueRow& row : *rows) {
        if (auto fault = CheckRow(row); !fault.empty()) {
            return fault;
        }
    }
    return CheckDumpReadsBack(*rows);
}

}  // namespace vantiq

#include "csv_exercise.h"

#include <array>
#include <cstring>
#include <vector>

#include "basetool/catalogue_csv.h"
#include "common/csv.h"
#include "core/base/base_layout.h"

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
    if (std::memchr(record.name.data(), '\0', kNameSize) == nullptr) {
        return "an accepted name has no terminator within its 30 bytes";
    }
    const auto stored = Stored(record);
    if (Stored(DecodeEntry(stored.data())) != stored) {
        return "an accepted entry changed in the catalogue file's encoding";
    }
    return {};
}

// What `dump` would write for these rows, with the header.
std::string DumpText(const CatalogueSource& source) {
    std::string text = FormatCsvRow(CatalogueCsvHeader());
    for (const CatalogueRow& row : source.rows) {
        text += FormatCsvRow(CatalogueCsvRow(row.entry.record, row.pictureFile));
    }
    return text;
}

std::string CheckDumpReadsBack(const CatalogueSource& source) {
    const CatalogueSource again = ParseCatalogueCsv(DumpText(source));
    if (!again.error.empty() || again.rows.size() != source.rows.size()) {
        return "the dumped rows were not read back: " + again.error;
    }
    for (std::size_t i = 0; i < source.rows.size(); ++i) {
        if (Stored(again.rows[i].entry.record) != Stored(source.rows[i].entry.record) ||
            again.rows[i].pictureFile != source.rows[i].pictureFile) {
            return "a dumped row read back as another module";
        }
    }
    return {};
}

}  // namespace

std::string ExerciseCatalogueCsv(std::string_view text) {
    const CatalogueSource source = ParseCatalogueCsv(text);
    if (!source.error.empty()) {
        return source.rows.empty() ? "" : "a refused source kept its rows";
    }
    if (source.rows.empty()) {
        return "an accepted source holds no module";
    }
    for (const CatalogueRow& row : source.rows) {
        if (auto fault = CheckRow(row); !fault.empty()) {
            return fault;
        }
    }
    return CheckDumpReadsBack(source);
}

}  // namespace vantiq

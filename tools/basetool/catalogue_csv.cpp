#include "basetool/catalogue_csv.h"

#include <cstring>
#include <iterator>

#include "common/csv.h"
#include "common/numbers.h"
#include "core/base/base_layout.h"
#include "core/base/cp1251.h"
#include "core/base/safe_text.h"

namespace vantiq {
namespace {

constexpr std::size_t kColumnCount = std::size(kCatalogueColumns);
constexpr std::size_t kMaxNameBytes = kNameSize - 1;

std::string RowError(std::size_t row, const std::string& what) {
    return "row " + std::to_string(row) + ": " + what;
}

std::string CheckHeader(const CsvRow& header) {
    if (header.size() != kColumnCount) {
        return "the header must name the " + std::to_string(kColumnCount) + " columns";
    }
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        if (header[i] != kCatalogueColumns[i]) {
            return std::string("column ") + std::to_string(i + 1) + " must be " +
                   kCatalogueColumns[i];
        }
    }
    return {};
}

std::string ReadName(const std::string& utf8, TemRecord& record) {
    const auto bytes = Utf8ToCp1251(utf8);
    if (!bytes) {
        return "the name '" + EscapeControls(utf8) + "' holds a character Windows-1251 lacks";
    }
    // The stored name ends at its first NUL; what followed would be lost.
    if (bytes->find('\0') != std::string::npos) {
        return "the name '" + EscapeControls(utf8) + "' holds a NUL character";
    }
    if (bytes->size() > kMaxNameBytes) {
        return "the name '" + EscapeControls(utf8) + "' is longer than 29 bytes";
    }
    std::memcpy(record.name.data(), bytes->data(), bytes->size());
    return {};
}

std::string ReadRow(const CsvRow& fields, CatalogueRow& row) {
    if (fields.size() != kColumnCount) {
        return "expected " + std::to_string(kColumnCount) + " fields, found " +
               std::to_string(fields.size());
    }
    TemRecord& r = row.entry.record;
    if (auto error = ReadName(fields[0], r); !error.empty()) {
        return error;
    }
    double* numbers[] = {&r.imax,
                         nullptr,
                         &r.pelletLength,
                         &r.pelletSide,
                         &r.width,
                         &r.length,
                         &r.height,
                         &r.electricalConductivity,
                         &r.seebeckCoefficient,
                         &r.thermalConductivity};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const auto value = ParseStrictNumber(fields[i + 1]);
        if (!value) {
            return std::string(kCatalogueColumns[i + 1]) + " is not a number: '" +
                   EscapeControls(fields[i + 1]) + "'";
        }
        if (numbers[i]) {
            *numbers[i] = *value;
        } else if (*value < 0 || *value > 4294967295.0 ||
                   *value != static_cast<std::uint32_t>(*value)) {
            return "pellet_count must be a whole number from 0 to 4294967295";
        } else {
            r.pelletCount = static_cast<std::uint32_t>(*value);
        }
    }
    row.pictureFile = fields[kColumnCount - 1];
    return {};
}

}  // namespace

CsvRow CatalogueCsvHeader() {
    return CsvRow(std::begin(kCatalogueColumns), std::end(kCatalogueColumns));
}

CsvRow CatalogueCsvRow(const TemRecord& r, const std::string& picture) {
    CsvRow row = {Cp1251ToUtf8(r.Name()), FormatShortest(r.imax), std::to_string(r.pelletCount)};
    for (double value : {r.pelletLength, r.pelletSide, r.width, r.length, r.height,
                         r.electricalConductivity, r.seebeckCoefficient, r.thermalConductivity}) {
        row.push_back(FormatShortest(value));
    }
    row.push_back(picture);
    return row;
}

CatalogueSource ParseCatalogueCsv(std::string_view text) {
    CatalogueSource source;
    const CsvTable table = ParseCsv(text);
    if (!table.error.empty()) {
        source.error = table.error;
        return source;
    }
    if (table.rows.empty()) {
        source.error = "the catalogue source is empty";
        return source;
    }
    if (source.error = CheckHeader(table.rows[0]); !source.error.empty()) {
        return source;
    }
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        CatalogueRow row;
        if (const auto error = ReadRow(table.rows[i], row); !error.empty()) {
            source.error = RowError(i, error);
            source.rows.clear();
            return source;
        }
        source.rows.push_back(std::move(row));
    }
    if (source.rows.empty()) {
        source.error = "the catalogue source holds no module";
    }
    return source;
}

}  // namespace vantiq

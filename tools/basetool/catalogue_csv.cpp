#include "basetool/catalogue_csv.h"

#include <cstring>
#include <iterator>

#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/editing/catalogue_names.h"
#include "core/report/csv.h"
#include "core/report/numbers.h"

namespace vantiq {
namespace {

constexpr std::size_t kColumnCount = std::size(kCatalogueColumns);

Status CheckHeader(const CsvRow& header) {
    if (header.size() != kColumnCount) {
        return Error{"the header must name the " + std::to_string(kColumnCount) + " columns"};
    }
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        if (header[i] != kCatalogueColumns[i]) {
            return Error{"column " + std::to_string(i + 1) + " must be " + kCatalogueColumns[i]};
        }
    }
    return {};
}

Status ReadName(const std::string& utf8, TemRecord& record) {
    const Result<std::string> bytes = CatalogueNameBytes(utf8);
    if (!bytes.ok()) {
        return bytes.error();
    }
    std::memcpy(record.file.name.data(), bytes->data(), bytes->size());
    return {};
}

Status ReadRow(const CsvRow& fields, CatalogueRow& row) {
    if (fields.size() != kColumnCount) {
        return Error{"expected " + std::to_string(kColumnCount) + " fields, found " +
                     std::to_string(fields.size())};
    }
    TemRecord& r = row.entry.record;
    if (const Status name = ReadName(fields[0], r); !name.ok()) {
        return name;
    }
    double* numbers[] = {&r.file.nominalCurrent,
                         nullptr,
                         &r.file.pelletLength,
                         &r.file.pelletSide,
                         &r.file.width,
                         &r.file.length,
                         &r.file.height,
                         &r.file.electricalConductivity,
                         &r.file.seebeckCoefficient,
                         &r.file.thermalConductivity};
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const auto value = ParseStrictNumber(fields[i + 1]);
        if (!value) {
            return Error{std::string(kCatalogueColumns[i + 1]) + " is not a number: '" +
                         EscapeControls(fields[i + 1]) + "'"};
        }
        if (numbers[i]) {
            *numbers[i] = *value;
        } else if (*value < 0 || *value > 4294967295.0 ||
                   *value != static_cast<std::uint32_t>(*value)) {
            return Error{"pellet_count must be a whole number from 0 to 4294967295"};
        } else {
            r.file.pelletCount = static_cast<std::uint32_t>(*value);
        }
    }
    row.pictureFile = fields[kColumnCount - 1];
    return CheckPositiveFields(r);
}

}  // namespace

CsvRow CatalogueCsvHeader() {
    return CsvRow(std::begin(kCatalogueColumns), std::end(kCatalogueColumns));
}

CsvRow CatalogueCsvRow(const TemRecord& r, const std::string& picture) {
    CsvRow row = {Cp1251ToUtf8(r.Name()), FormatShortest(r.file.nominalCurrent),
                  std::to_string(r.file.pelletCount)};
    for (double value :
         {r.file.pelletLength, r.file.pelletSide, r.file.width, r.file.length, r.file.height,
          r.file.electricalConductivity, r.file.seebeckCoefficient, r.file.thermalConductivity}) {
        row.push_back(FormatShortest(value));
    }
    row.push_back(picture);
    return row;
}

Result<std::vector<CatalogueRow>> ParseCatalogueCsv(std::string_view text) {
    const Result<std::vector<CsvRow>> table = ParseCsv(text);
    if (!table.ok()) {
        return table.error();
    }
    if (table->empty()) {
        return Error{"the catalogue source is empty"};
    }
    if (const Status header = CheckHeader(table->front()); !header.ok()) {
        return header.error();
    }
    std::vector<CatalogueRow> rows;
    for (std::size_t i = 1; i < table->size(); ++i) {
        CatalogueRow row;
        if (const Status read = ReadRow((*table)[i], row); !read.ok()) {
            return Error{"row " + std::to_string(i) + ": " + read.error().message};
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        return Error{"the catalogue source holds no module"};
    }
    return rows;
}

}  // namespace vantiq

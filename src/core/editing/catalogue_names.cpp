#include "core/editing/catalogue_names.h"

#include <cmath>
#include <cstring>
#include <map>
#include <utility>

#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/report/numbers.h"

namespace vantiq {

Result<std::string> CatalogueNameBytes(std::string_view utf8) {
    const std::string shown = EscapeControls(utf8);
    const auto bytes = Utf8ToCp1251(utf8);
    if (!bytes) {
        return Error{"the name '" + shown + "' holds a character Windows-1251 lacks"};
    }
    if (bytes->find('\0') != std::string::npos) {
        return Error{"the name '" + shown + "' holds a NUL character"};
    }
    if (bytes->size() > kMaxCatalogueNameBytes) {
        return Error{"the name '" + shown + "' is longer than 29 bytes"};
    }
    return *bytes;
}

std::optional<std::pair<std::size_t, std::size_t>> FirstRepeatedName(
    const std::vector<CatalogueEntry>& entries) {
    std::map<std::string_view, std::size_t> seen;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (const auto [first, added] = seen.emplace(entries[i].record.Name(), i); !added)
            return std::pair{first->second, i};
    }
    return std::nullopt;
}

Status CheckDistinctNames(const std::vector<CatalogueEntry>& entries) {
    if (const auto twice = FirstRepeatedName(entries)) {
        return Error{"the name '" +
                     EscapeControls(Cp1251ToUtf8(entries[twice->first].record.Name())) +
                     "' is used twice (modules " + std::to_string(twice->first + 1) + " and " +
                     std::to_string(twice->second + 1) + ")"};
    }
    return {};
}

Status CheckPositiveFields(const TemRecord& record) {
    const FileFields& r = record.file;
    if (r.pelletCount == 0) {
        return Error{"pellet_count must be at least 1"};
    }
    const std::pair<const char*, double> fields[] = {
        {"nominal_current", r.nominalCurrent},
        {"pellet_length", r.pelletLength},
        {"pellet_side", r.pelletSide},
        {"width", r.width},
        {"length", r.length},
        {"height", r.height},
        {"electrical_conductivity", r.electricalConductivity},
        {"seebeck_coefficient", r.seebeckCoefficient},
        {"thermal_conductivity", r.thermalConductivity},
    };
    for (const auto& [field, value] : fields) {
        if (!(std::isfinite(value) && value > 0)) {
            return Error{std::string(field) + " must be a positive number, found " +
                         FormatShortest(value)};
        }
    }
    return {};
}

Result<CatalogueEntry> BuildCatalogueEntry(std::string_view utf8, const TemRecord& fields,
                                           std::vector<unsigned char> picture) {
    const Result<std::string> name = CatalogueNameBytes(utf8);
    if (!name.ok()) {
        return name.error();
    }
    CatalogueEntry entry{fields, std::move(picture)};
    entry.record.file.name.fill('\0');
    std::memcpy(entry.record.file.name.data(), name->data(), name->size());
    return entry;
}

}  // namespace vantiq

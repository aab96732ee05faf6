#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/base_writer.h"
#include "core/base/result.h"

namespace vantiq {

// The longest name the catalogue stores: its field keeps one byte for the NUL.
inline constexpr std::size_t kMaxCatalogueNameBytes = 29;

// The Windows-1251 bytes a catalogue stores for the UTF-8 name `utf8`; an
// error naming it when it holds a character Windows-1251 lacks, a NUL (the
// stored name would end there) or more than 29 bytes.
Result<std::string> CatalogueNameBytes(std::string_view utf8);

// The indices of the first name that `entries` hold twice, byte for byte
// (the earlier one first); nullopt when every name is different.
std::optional<std::pair<std::size_t, std::size_t>> FirstRepeatedName(
    const std::vector<CatalogueEntry>& entries);

// An error naming the first name (decoded for showing) that `entries` hold
// twice, byte for byte; fine when every name is different.
Status CheckDistinctNames(const std::vector<CatalogueEntry>& entries);

// An error naming the first file field of `fields` that is not a positive
// finite number (the couples, the nominal current, the leg and module sizes,
// the three constants); fine when all are. A row with such a field could
// only be stored as a module that is never listed.
Status CheckPositiveFields(const TemRecord& fields);

// `fields` with the name `utf8` stored by the rules above, and `picture`.
Result<CatalogueEntry> BuildCatalogueEntry(std::string_view utf8, const TemRecord& fields,
                                           std::vector<unsigned char> picture);

}  // namespace vantiq

#include "core/base/base_writer.h"

#include <limits>
#include <system_error>

#include "core/base/base_layout.h"
#include "core/base/file_replace.h"

namespace vantiq {

namespace {

Error TooLarge() {
    return Error{"A catalogue holds 1 to 4294967295 modules, each picture below 4 GiB."};
}

}  // namespace

Result<std::vector<unsigned char>> EncodeBase(const std::vector<CatalogueEntry>& entries) {
    constexpr auto kMaxU32 = std::numeric_limits<std::uint32_t>::max();
    if (entries.empty() || entries.size() > kMaxU32) {
        return TooLarge();
    }
    const auto count = static_cast<std::uint32_t>(entries.size());
    std::vector<unsigned char> bytes(PicturesOffset(count));
    WriteU32(count, bytes.data());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& picture = entries[i].picture;
        if (picture.size() > kMaxU32) {
            return TooLarge();
        }
        WriteU32(static_cast<std::uint32_t>(picture.size()), bytes.data() + 4 + 4 * i);
        EncodeEntry(entries[i].record, bytes.data() + EntriesOffset(count) + kEntrySize * i);
    }
    for (const auto& entry : entries) {
        bytes.insert(bytes.end(), entry.picture.begin(), entry.picture.end());
    }
    return bytes;
}

Status WriteBase(const std::string& path, const std::vector<CatalogueEntry>& entries) {
    const auto bytes = EncodeBase(entries);
    if (!bytes.ok()) {
        return bytes.error();
    }
    return ReplaceFileContents(path, *bytes);
}

}  // namespace vantiq

#include "core/base/base_writer.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

#include "core/base/base_layout.h"
#include "core/base/utf8_path.h"

namespace vantiq {

std::optional<std::vector<unsigned char>> EncodeBase(const std::vector<CatalogueEntry>& entries) {
    constexpr auto kMaxU32 = std::numeric_limits<std::uint32_t>::max();
    if (entries.empty() || entries.size() > kMaxU32) {
        return std::nullopt;
    }
    const auto count = static_cast<std::uint32_t>(entries.size());
    std::vector<unsigned char> bytes(PicturesOffset(count));
    WriteU32(count, bytes.data());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& picture = entries[i].picture;
        if (picture.size() > kMaxU32) {
            return std::nullopt;
        }
        WriteU32(static_cast<std::uint32_t>(picture.size()), bytes.data() + 4 + 4 * i);
        EncodeEntry(entries[i].record, bytes.data() + EntriesOffset(count) + kEntrySize * i);
    }
    for (const auto& entry : entries) {
        bytes.insert(bytes.end(), entry.picture.begin(), entry.picture.end());
    }
    return bytes;
}

std::optional<std::string> WriteBase(const std::string& path,
                                     const std::vector<CatalogueEntry>& entries) {
    const auto bytes = EncodeBase(entries);
    if (!bytes) {
        return "A catalogue holds 1 to 4294967295 modules, each picture below 4 GiB.";
    }
    const std::string temporary = path + ".tmp";
    std::error_code ignored;
    {
        std::ofstream out(Utf8Path(temporary), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes->data()),
                  static_cast<std::streamsize>(bytes->size()));
        if (!out.flush()) {
            out.close();
            std::filesystem::remove(Utf8Path(temporary), ignored);
            return "Cannot write " + temporary;
        }
    }
    // Unlike std::rename on Windows, this replaces a file already there.
    std::error_code error;
    std::filesystem::rename(Utf8Path(temporary), Utf8Path(path), error);
    if (error) {
        std::filesystem::remove(Utf8Path(temporary), ignored);
        return "Cannot replace " + path;
    }
    return std::nullopt;
}

}  // namespace vantiq

#include "core/base/base_loader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/base/base_error.h"
#include "core/base/base_layout.h"
#include "core/base/catalogue_header.h"

namespace vantiq {
namespace {

bool NameHasTerminator(const unsigned char* entry) {
    return std::memchr(entry, '\0', kNameSize) != nullptr;
}

// Entries read at a time: the read buffer stays small however large the
// catalogue.
constexpr std::size_t kBlockEntries = 4096;

// Appends the `size` entries from entry `first` on, read with one positioned
// read; the file is damaged when it is short or a name runs over its 30 bytes.
Status ReadBlock(const TemBase& base, std::size_t first, std::size_t size,
                 std::vector<TemRecord>& records) {
    std::vector<unsigned char> buffer(kEntrySize * size);
    if (!base.file.ReadAt(EntriesOffset(base.count) + kEntrySize * first, buffer.data(),
                          buffer.size())) {
        return BaseDamagedError();
    }
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char* entry = buffer.data() + i * kEntrySize;
        if (!NameHasTerminator(entry)) {
            return BaseDamagedError();
        }
        records.push_back(DecodeEntry(entry));
    }
    return {};
}

}  // namespace

Status ReadRecords(TemBase& base) {
    std::vector<TemRecord> records;
    records.reserve(base.count);
    for (std::size_t first = 0; first < base.count; first += kBlockEntries) {
        const std::size_t size = std::min<std::size_t>(kBlockEntries, base.count - first);
        if (const Status read = ReadBlock(base, first, size, records); !read.ok()) {
            return read;
        }
    }
    base.records = std::move(records);
    return {};
}

Status OpenBase(TemBase& base, const std::string& path) {
    base.isOpen = false;
    auto file = BaseFile::OpenShared(path);
    if (!file) {
        return BaseNotFoundError();
    }
    // The user is told only that the file is damaged, not how.
    const Result<std::uint32_t> count = ReadModuleCount(*file);
    if (!count.ok()) {
        return BaseDamagedError();
    }
    base.file = std::move(*file);
    base.count = *count;
    base.records.clear();  // records of another file, if any, are not this one's
    base.isOpen = true;
    return {};
}

}  // namespace vantiq

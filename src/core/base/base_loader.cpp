#include "core/base/base_loader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

#include "core/base/base_layout.h"
#include "core/base/catalogue_header.h"
#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/model/module_inputs.h"
#include "core/model/rated_values.h"
#include "core/parallel/parallel_for.h"

namespace vantiq {
namespace {

bool NameHasTerminator(const unsigned char* entry) {
    return std::memchr(entry, '\0', kNameSize) != nullptr;
}

// Entries read and derived at a time: the read buffer stays small however
// large the catalogue, and each block still gives every core some work.
constexpr std::size_t kBlockEntries = 4096;

// Reads the `size` entries from entry `first` on with one positioned read;
// the file is damaged when it is short or a name runs over its 30 bytes.
Result<std::vector<TemRecord>> ReadBlock(const TemBase& base, std::size_t first, std::size_t size) {
    std::vector<unsigned char> buffer(kEntrySize * size);
    if (!base.file.ReadAt(EntriesOffset(base.count) + kEntrySize * first, buffer.data(),
                          buffer.size())) {
        return BaseDamagedError();
    }
    std::vector<TemRecord> records;
    records.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char* entry = buffer.data() + i * kEntrySize;
        if (!NameHasTerminator(entry)) {
            return BaseDamagedError();
        }
        records.push_back(DecodeEntry(entry));
    }
    return records;
}

// Derives every record of a block on all cores; each record is derived on
// its own, so the result is that of a derivation in order. Progress is
// reported on the calling thread, once per record, counting on from `done`.
void DeriveBlock(std::vector<TemRecord>& records, double thot, LoadProgress* progress,
                 std::size_t done) {
    std::function<void(std::size_t)> advanced;
    if (progress) {
        advanced = [progress, done](std::size_t more) {
            progress->Advanced(static_cast<std::uint32_t>(done + more));
        };
    }
    ParallelFor(
        records.size(), [&](std::size_t i) { DeriveRatedValues(records[i], thot); }, advanced);
}

// Reads and derives every entry of the open base a block at a time, handing
// each derived record to `take` in base order. Stops at the first block that
// cannot be read.
Status DeriveEntries(const TemBase& base, LoadProgress* progress,
                     const std::function<void(const TemRecord&)>& take) {
    for (std::size_t first = 0; first < base.count; first += kBlockEntries) {
        const std::size_t size = std::min<std::size_t>(kBlockEntries, base.count - first);
        auto block = ReadBlock(base, first, size);
        if (!block.ok()) {
            return block.error();
        }
        DeriveBlock(*block, base.thot, progress, first);
        for (const TemRecord& record : *block) {
            take(record);
        }
    }
    return {};
}

// The first load of a base: the records are built beside the (empty) ones in
// use and replace them.
Status LoadFresh(TemBase& base, LoadProgress* progress) {
    std::vector<TemRecord> records;
    records.reserve(base.count);
    const Status read =
        DeriveEntries(base, progress, [&](const TemRecord& r) { records.push_back(r); });
    if (read.ok()) {
        base.records = std::move(records);
    }
    return read;
}

// A load of a base whose records are in place. Every entry is read and
// derived again, as on the first load; its file fields equal those held (the
// file is held open exclusively), so only the derived part is taken over.
Status LoadAgain(TemBase& base, LoadProgress* progress) {
    std::vector<ModuleRating> parts;
    parts.reserve(base.count);
    const Status read =
        DeriveEntries(base, progress, [&](const TemRecord& r) { parts.push_back(r.rated); });
    if (read.ok()) {
        for (std::size_t i = 0; i < parts.size(); ++i) {
            base.records[i].rated = parts[i];
        }
    }
    return read;
}

}  // namespace

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

std::string CountLine(std::uint32_t count) {
    char line[80];
    std::snprintf(line, sizeof line, "%u base entries detected...decompressing...", count);
    return line;
}

Result<LoadReport> LoadBase(TemBase& base, LoadProgress* progress) {
    LoadReport report;
    if (!base.isOpen) {
        return report;
    }
    if (progress) {
        progress->Started(base.count);
    }
    const bool inPlace = base.records.size() == base.count;
    if (const Status read = inPlace ? LoadAgain(base, progress) : LoadFresh(base, progress);
        !read.ok()) {
        return read.error();
    }
    for (std::uint32_t i = 0; i < base.count; ++i) {
        if (!base.records[i].rated.derivable) {
            report.underivable.push_back(i);
        }
    }
    return report;
}

std::string UnderivableMessage(const TemBase& base, const std::vector<std::uint32_t>& indexes) {
    std::string unphysical;
    std::string unbalanced;
    for (std::uint32_t i : indexes) {
        const TemRecord& record = base.records[i];
        std::string& names = HasPhysicalInputs(record) ? unbalanced : unphysical;
        names += '\n';
        names += EscapeControls(Cp1251ToUtf8(record.Name()));
    }
    std::string text;
    if (!unphysical.empty()) {
        text =
            "These entries do not describe a physical module (no pellets, or a size, current "
            "or material constant that is zero, negative or not a number) and are left out "
            "of every list:" +
            unphysical;
    }
    if (!unbalanced.empty()) {
        text += text.empty() ? "" : "\n\n";
        text +=
            "These modules have no balance point at this hot-side temperature and are left "
            "out of every list:" +
            unbalanced;
    }
    return text;
}

}  // namespace vantiq

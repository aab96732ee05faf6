#include "core/base/base_loader.h"

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

// Reads all entries with one positioned read; the file is damaged when it
// is short or a name runs over its 30 bytes.
Result<std::vector<TemRecord>> ReadEntries(const TemBase& base) {
    std::vector<unsigned char> buffer(kEntrySize * std::size_t{base.count});
    if (!base.file.ReadAt(EntriesOffset(base.count), buffer.data(), buffer.size())) {
        return BaseDamagedError();
    }
    std::vector<TemRecord> records;
    records.reserve(base.count);
    for (std::size_t i = 0; i < base.count; ++i) {
        const unsigned char* entry = buffer.data() + i * kEntrySize;
        if (!NameHasTerminator(entry)) {
            return BaseDamagedError();
        }
        records.push_back(DecodeEntry(entry));
    }
    return records;
}

// Derives every record on all cores; each record is derived on its own, so
// the result is that of a derivation in order. Progress is reported on the
// calling thread, once per record.
void DeriveAll(std::vector<TemRecord>& records, double thot, LoadProgress* progress) {
    std::function<void(std::size_t)> advanced;
    if (progress) {
        advanced = [progress](std::size_t done) {
            progress->Advanced(static_cast<std::uint32_t>(done));
        };
    }
    ParallelFor(
        records.size(), [&](std::size_t i) { DeriveRatedValues(records[i], thot); }, advanced);
}

}  // namespace

Status OpenBase(TemBase& base, const std::string& path) {
    base.isOpen = false;
    auto file = BaseFile::OpenExclusive(path);
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
    auto records = ReadEntries(base);
    if (!records.ok()) {
        return records.error();
    }
    DeriveAll(*records, base.thot, progress);
    for (std::uint32_t i = 0; i < base.count; ++i) {
        if (!(*records)[i].derivable) {
            report.underivable.push_back(i);
        }
    }
    base.records = std::move(*records);
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

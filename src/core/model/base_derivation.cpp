#include "core/model/base_derivation.h"

#include <cstdio>
#include <functional>

#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/model/module_inputs.h"
#include "core/model/rated_values.h"
#include "core/parallel/parallel_for.h"

namespace vantiq {
namespace {

// Derives every record in place on all cores, reporting progress on the
// calling thread once per record.
void DeriveRecords(std::vector<TemRecord>& records, double thot, LoadProgress* progress) {
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

std::string CountLine(std::uint32_t count) {
    char line[80];
    std::snprintf(line, sizeof line, "%u base entries detected...decompressing...", count);
    return line;
}

Result<LoadReport> LoadBase(TemBase& base, double thot, LoadProgress* progress) {
    LoadReport report;
    if (!base.isOpen) {
        return report;
    }
    if (progress) {
        progress->Started(base.count);
    }
    if (base.records.size() != base.count) {
        if (const Status read = ReadRecords(base); !read.ok()) {
            return read.error();
        }
    }
    DeriveRecords(base.records, thot, progress);
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

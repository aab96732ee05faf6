#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/base/base_loader.h"
#include "core/base/result.h"
#include "core/base/tem_base.h"

namespace vantiq {

// Told how a load advances. Started once with the count before any work,
// Advanced once per derived record with the number done so far (1, 2, ...,
// count). Both are called on the thread that called LoadBase.
class LoadProgress {
public:
    virtual ~LoadProgress() = default;
    virtual void Started(std::uint32_t count) = 0;
    virtual void Advanced(std::uint32_t done) = 0;
};

// "%d base entries detected...decompressing..." for `count`.
std::string CountLine(std::uint32_t count);

// What a load found besides the records.
struct LoadReport {
    // Indexes of modules that could not be derived; they stay in the base
    // but are never listed, searched or shown.
    std::vector<std::uint32_t> underivable;
};

// Derives every record of the open base at hot side `thot` (K), on all cores; each
// record is derived from its file fields alone, so the result is that of a
// derivation in base order, and `progress` is called on the calling thread
// only. The first load reads the records (`ReadRecords`); a base whose
// records are in place (a change of hot side) derives them again where they
// are, without reading the file. On a read failure the records stay as they
// were. Does nothing on a base that is not open (and reports nothing).
Result<LoadReport> LoadBase(TemBase& base, double thot, LoadProgress* progress = nullptr);

// The message naming the modules that could not be derived, as UTF-8 with
// control characters escaped: first the entries that describe no physical
// module (no pellets, a size or constant that is zero, negative or not a
// number), then the modules without a balance point at this hot side, each
// group under its own sentence. Empty when all were derived.
std::string UnderivableMessage(const TemBase& base, const std::vector<std::uint32_t>& indexes);

}  // namespace vantiq

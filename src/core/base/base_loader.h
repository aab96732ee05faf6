#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/base/base_error.h"
#include "core/base/result.h"
#include "core/base/tem_base.h"

namespace vantiq {

inline constexpr const char* kDefaultBasePath = "Base.tmb";

// Opens the catalogue at `path` and holds it locked for the rest of the run;
// reads its module count. The file must hold its header, picture table and all
// entries: a short file or a count of 0 is damaged. On failure `base` stays
// closed and the error says why.
Status OpenBase(TemBase& base, const std::string& path = kDefaultBasePath);

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

// Reads every entry of the open base, a block at a time, and derives all
// records at `base.thot`, on all cores; the records come out as a derivation
// in base order gives them, and `progress` is called on the calling thread
// only. On success replaces `base.records` (a base whose records are loaded
// keeps them and takes over their newly derived values, so that a load at
// another hot side does not hold the catalogue twice); on failure (a damaged
// entry, a read error) leaves the records as they were. Does nothing on a
// base that is not open (and reports nothing).
Result<LoadReport> LoadBase(TemBase& base, LoadProgress* progress = nullptr);

// The message naming the modules that could not be derived, as UTF-8 with
// control characters escaped: first the entries that describe no physical
// module (no pellets, a size or constant that is zero, negative or not a
// number), then the modules without a balance point at this hot side, each
// group under its own sentence. Empty when all were derived.
std::string UnderivableMessage(const TemBase& base, const std::vector<std::uint32_t>& indexes);

}  // namespace vantiq

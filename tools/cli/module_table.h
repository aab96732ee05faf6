#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/cli_options.h"
#include "core/base/tem_base.h"

namespace vantiq {

// Opens and loads the catalogue the options name at their hot side. On
// failure prints the reason to `err` and returns false. Modules that cannot
// be derived are named on `err` once; they stay in the base.
bool OpenAndLoad(const GlobalOptions& options, TemBase& base, std::ostream& err);

// OpenAndLoad, then the index of the first module named `name` (UTF-8).
// When there is none, or it has no rated values, prints why to `err` and
// returns nullopt.
std::optional<std::int32_t> LoadAndSelect(const GlobalOptions& options, const std::string& name,
                                          TemBase& base, std::ostream& err);

}  // namespace vantiq

#pragma once

#include <iosfwd>

#include "cli/cli_options.h"
#include "common/csv.h"
#include "core/base/tem_base.h"

namespace vantiq {

// Opens and loads the catalogue the options name at their hot side. On
// failure prints the reason to `err` and returns false. Modules that cannot
// be derived are named on `err` once; they stay in the base.
bool OpenAndLoad(const GlobalOptions& options, TemBase& base, std::ostream& err);

// OpenAndLoad, then selects the first module named `name` (UTF-8). When
// there is none, or it has no rated values, prints why to `err` and returns
// false.
bool LoadAndSelect(const GlobalOptions& options, const std::string& name, TemBase& base,
                   std::ostream& err);

// The module's values as the tools print them: imax, umax, dtmax (as its
// absolute value), qmax, ac_resistance, pellets, width, length, height, in
// shortest round-trip form; the rated fields are empty for a module that
// could not be derived.
CsvRow ModuleValueFields(const TemRecord& record);

// The header of those fields.
CsvRow ModuleValueHeader();

}  // namespace vantiq

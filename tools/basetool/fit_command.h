#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "basetool/basetool_args.h"
#include "core/fit/ratings.h"

namespace vantiq {

// The fit mode named by `--mode` (minimax, the default, imax-umax-dtmax,
// imax-dtmax-qmax or balance); nullopt for another word.
std::optional<FitMode> FitModeOption(const CommandArgs& args);

// `fit RATINGS.csv -o CATALOGUE.csv [--mode M]`: fits every row of a
// ratings source, prints the table of rated against derived values and
// writes the material-form source that pack reads. When a row cannot be
// fitted every such row is named and nothing is written.
int RunFitCommand(const CommandArgs& args, std::ostream& out, std::ostream& err);

}  // namespace vantiq

#pragma once

#include <QString>

#include <string>

#include "core/fit/rating_fit.h"

namespace vantiq {

// The core's table of rated against derived values for one fit as rich
// text for a label: one line per rating with its deviation, the leg
// assumption under it, or the fit's problem in red.
QString FitTableHtml(const std::string& name, const Ratings& ratings, const RatingFit& fit);

}  // namespace vantiq

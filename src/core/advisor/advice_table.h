#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/advisor/operating_point.h"
#include "core/advisor/pull_down.h"
#include "core/base/tem_base.h"

namespace vantiq {

// The columns every export of operating points carries: row, index, name,
// modules, wiring, current, voltage, power, cop, heat_rejected, thot, dt,
// qmax_at_dt; under a heat sink also sink_rth_max; with pull-down times also
// pull_down_current, pull_down_s.
std::vector<std::string> AdviceColumns(bool withPullDown = false, bool underSink = false);

// One point as those columns: `row` its place in the listed order, the name
// in UTF-8, current and voltage per module, thot in degrees Celsius (K - 273),
// numbers in the shortest text that reads back exactly; the largest sink
// resistance where the point has one (under a sink); with `pullDown` its
// current per module and seconds, or "never" where no current gets there.
std::vector<std::string> AdviceFields(const TemBase& base, const OperatingPoint& point,
                                      std::size_t row, const PullDown* pullDown = nullptr);

// The seconds of a pull-down as a field: the shortest text, or "never".
std::string PullDownSecondsText(const std::optional<double>& seconds);

// The points as CSV text (RFC 4180, CR LF line ends): the header, then one
// row per point in the order given; with `pullDowns` (one per point) the
// pull-down columns too; the sink's column when `underSink` or the points
// carry it, so that an empty answer under a sink has it in its header too.
std::string AdviceCsv(const TemBase& base, const std::vector<OperatingPoint>& points,
                      const std::vector<PullDown>* pullDowns = nullptr, bool underSink = false);

}  // namespace vantiq

#pragma once

#include <string>
#include <vector>

#include "core/base/tem_record.h"
#include "figure_table.h"

namespace vantiq::bench {

// Times what the window program does on screen, offscreen (QT_QPA_PLATFORM
// defaults to "offscreen"): the graphs page of the view at 1920 × 1080 for
// the first and for the slowest module of `sample`, and one step of the
// selection panel's hot-side spin on the catalogue file at `cataloguePath`
// (the reload under the progress dialog). `referenceReload` is the estimated
// time of the same reload with the reference derivation, 0 when not known.
void BenchWindow(FigureTable& table, const std::vector<TemRecord>& sample,
                 const std::string& cataloguePath, double referenceReload);

}  // namespace vantiq::bench

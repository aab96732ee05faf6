#pragma once

#include <QString>

#include <array>
#include <span>

#include "core/advisor/operating_point.h"
#include "core/base/tem_record.h"

namespace vantiq {

// One row of the printed performance table.
struct PerformanceRow {
    QString label;
    QString value;
};

// The module's name as shown to people: decoded from Windows-1251.
QString DisplayName(const TemRecord& record);

// "Thermoelectric module <name>".
QString GraphsPageTitle(const TemRecord& record);

// The table's five rows: Imax, Vmax, |dTmax|, Qmax with one decimal, the AC
// resistance with two.
std::array<PerformanceRow, 5> PerformanceRows(const TemRecord& record);

// The line under the table of a module printed at an operating point:
// "Operating point: n × I A, U V, P W, COP c, Th t °C" (Th in degrees
// Celsius, K - 273).
QString OperatingPointLine(const OperatingPoint& point);

// The hot side in degrees Celsius (K - 273): "Th = 25 °C".
QString HotSideText(double thot);

// A module on the graphs page and the hot side (K) its curves are drawn at.
struct PageHotSide {
    QString name;
    double thot = 0.0;
};

// The line under the graphs page's title. "Hot side: Th = 25 °C" while
// every module is drawn at `rated`, the hot side of the table's rated
// values; otherwise each module's own and then the table's: "Hot side:
// VQ-A · Th = -13.7 °C, VQ-B · Th = 25 °C; rated values at Th = 25 °C", or
// for one module "Hot side: Th = 41.4 °C; rated values at Th = 25 °C".
QString HotSideLine(std::span<const PageHotSide> modules, double rated);

// The printer job names of the datasheet page and of the graphs page.
QString DatasheetJobName(const TemRecord& record);
QString GraphsJobName(const TemRecord& record);

// The headings of the graphs page and the text of the margin strip.
QString PerformanceDataHeading();
QString PerformanceGraphsHeading();
QString StripText();

}  // namespace vantiq

#pragma once

#include <QString>

#include <array>

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

// The printer job names of the datasheet page and of the graphs page.
QString DatasheetJobName(const TemRecord& record);
QString GraphsJobName(const TemRecord& record);

// The headings of the graphs page and the text of the margin strip.
QString PerformanceDataHeading();
QString PerformanceGraphsHeading();
QString StripText();

}  // namespace vantiq

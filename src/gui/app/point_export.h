#pragma once

#include <QString>

#include <vector>

#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"

class QWidget;

namespace vantiq {

// Writes `points` of modules of `base` to `path` as the command-line tool's
// CSV; false when the file cannot be written (a file that was there is then
// left as it was).
bool WriteOperatingPoints(const QString& path, const TemBase& base,
                          const std::vector<OperatingPoint>& points);

// File > "Export operating points as CSV...": asks for a file over `parent`
// and writes the listed points there, saying so when there are none or the
// file cannot be written.
void ExportOperatingPoints(QWidget* parent, const TemBase& base,
                           const std::vector<OperatingPoint>& points);

}  // namespace vantiq

#pragma once

#include <QString>

#include <string>
#include <vector>

#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"
#include "core/selection/result_list.h"

class QWidget;

namespace vantiq {

// Writes `text` to `path` whole or not at all; false when the file cannot be
// written (a file that was there is then left as it was).
bool WriteCsvFile(const QString& path, const std::string& text);

// File > "Export operating points as CSV...": asks for a file over `parent`
// and writes the listed points there, saying so when there are none or the
// file cannot be written.
void ExportOperatingPoints(QWidget* parent, const TemBase& base,
                           const std::vector<OperatingPoint>& points);

// File > "Export list as CSV...": the same for the rows of the result list.
void ExportResultList(QWidget* parent, const TemBase& base, const ResultList& list);

}  // namespace vantiq

#pragma once

#include <QString>

#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/selection/result_list.h"
#include "gui/panel/session_state.h"

class QWidget;

namespace vantiq {

// Writes `text` to `path` whole or not at all; false when the file cannot be
// written (a file that was there is then left as it was).
bool WriteCsvFile(const QString& path, const std::string& text);

// File > "Export operating points as CSV..." (or "Export stacks as
// CSV..."): asks for a file over `parent` and writes the answer's table
// there as it shows (its columns, with units, and its order), saying so
// when there is no answer or the file cannot be written.
void ExportAnswer(QWidget* parent, const AnswerState& answer);

// File > "Export list as CSV...": the same for the rows of the result list.
void ExportResultList(QWidget* parent, const TemBase& base, const ResultList& list);

}  // namespace vantiq

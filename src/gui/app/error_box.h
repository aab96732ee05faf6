#pragma once

#include <QString>

#include "core/base/result.h"

class QWidget;

namespace vantiq {

// The caption of the box for a catalogue that cannot be opened or read.
QString CatalogueErrorCaption();

// Shows `error`'s message in a critical message box over `parent` (or on its
// own for none) under `caption`; returns when the user has closed it.
void ShowErrorBox(QWidget* parent, const QString& caption, const Error& error);

}  // namespace vantiq

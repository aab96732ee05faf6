#pragma once

#include <QString>

class QWidget;

namespace vantiq {

// Asks for a catalogue file, starting in the folder of `current`, the
// catalogue in use. The file chosen, in native form; empty when the user
// cancelled or chose the catalogue in use, which is held exclusively and so
// could only be reported as held by another process.
QString AskForCatalogue(const QString& current, QWidget* parent);

}  // namespace vantiq

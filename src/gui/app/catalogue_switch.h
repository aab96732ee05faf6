#pragma once

#include <QString>

#include "core/base/tem_base.h"

class QWidget;

namespace vantiq {

// Opens the catalogue at `path` in place of the one `base` holds: the same
// exclusive open, then the load at the base's hot side under the progress
// dialog. Only when both succeed is `base` replaced (its previous file is
// closed then) and the path remembered for the next start. Otherwise the
// user is told why, and `base` and its records stay exactly as they were.
// True when the catalogue was replaced.
bool SwitchCatalogue(TemBase& base, const QString& path, QWidget* parent);

// Asks for a catalogue file, starting in the folder of `current`, and
// switches to it as above. The path now open, or empty when the user
// cancelled, picked the catalogue already open, or the switch failed.
QString AskAndSwitchCatalogue(TemBase& base, const QString& current, QWidget* parent);

}  // namespace vantiq

#pragma once

#include <QSettings>

namespace vantiq {

// The program's own settings store (organisation "Kestrin", application
// "Vantiq") and no other: the organisation-wide and system stores QSettings
// would fall back on are never read, as Readable cannot check them.
class SettingsStore : public QSettings {
public:
    SettingsStore();

    // Whether the store may be read: it is at most 64 KiB, holds no value Qt
    // would rebuild from a binary stream (see HoldsNoStreamedValue) and
    // parses without error. A store that does not exist yet is readable. Ask
    // nothing of a store that is not: QSettings decodes every value of a
    // section on the first query, which is where a hostile store strikes.
    bool Readable() const;
};

}  // namespace vantiq

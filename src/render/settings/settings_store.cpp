#include "render/settings/settings_store.h"

#include <QFile>

#include <string_view>

#include "render/settings/streamed_values.h"

namespace vantiq {
namespace {

// A store this program wrote is a few lines of plain text, far below this.
constexpr qint64 kLargestStore = 64 * 1024;

// Checks the store's bytes before QSettings decodes its values. A store that
// cannot be opened is left to QSettings' own status.
bool SafeToRead(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return true;
    }
    if (file.size() > kLargestStore) {
        return false;
    }
    const QByteArray bytes = file.read(kLargestStore + 1);
    return bytes.size() <= kLargestStore &&
           HoldsNoStreamedValue(std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace

SettingsStore::SettingsStore() : QSettings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq")) {
    setFallbacksEnabled(false);
}

bool SettingsStore::Readable() const {
    if (!SafeToRead(fileName())) {
        return false;
    }
    // Only the first query parses the store and tells its status.
    childKeys();
    return status() == QSettings::NoError;
}

}  // namespace vantiq

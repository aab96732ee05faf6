#include "render/colors/color_store.h"

#include <QFile>
#include <QSettings>

#include <string_view>
#include <utility>

#include "render/colors/streamed_values.h"

namespace vantiq {
namespace {

using ColorField = std::pair<const char*, std::uint32_t ColorSettings::*>;

constexpr ColorField kFields[] = {
    {"Color1", &ColorSettings::color1},   {"Color08", &ColorSettings::color08},
    {"Color06", &ColorSettings::color06}, {"Color04", &ColorSettings::color04},
    {"Color02", &ColorSettings::color02},
};

// A store this program wrote is a few lines of plain numbers, far below this.
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

// QSettings parses the values of its store on the first query, and only then
// does its status tell whether the store could be read.
bool StoreReadable(const QSettings& store) {
    if (!SafeToRead(store.fileName())) {
        return false;
    }
    store.childKeys();
    return store.status() == QSettings::NoError;
}

// The program's own store and no other: the organisation-wide and system
// stores that QSettings would fall back on are not checked as above.
class OwnStore : public QSettings {
public:
    OwnStore() : QSettings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq")) {
        setFallbacksEnabled(false);
    }
};

// A colour is 0x00BBGGRR; a value with the top byte set is no colour.
constexpr qulonglong kLargestColor = 0x00FFFFFFULL;

void ReadColor(const QSettings& store, const char* name, std::uint32_t& color) {
    bool ok = false;
    const qulonglong value = store.value(QLatin1String(name)).toULongLong(&ok);
    if (ok && value <= kLargestColor) {
        color = static_cast<std::uint32_t>(value);
    }
}

}  // namespace

Result<ColorSettings> LoadStoredColors() {
    const OwnStore store;
    if (!StoreReadable(store)) {
        return Error{"Error loading settings!", "Error!"};
    }
    ColorSettings colors;
    for (const auto& [name, field] : kFields) {
        ReadColor(store, name, colors.*field);
    }
    return colors;
}

Status SaveStoredColors(const ColorSettings& colors) {
    const Error failed{"Error saving settings!", "Error!"};
    OwnStore store;
    if (!StoreReadable(store)) {
        return failed;
    }
    for (const auto& [name, field] : kFields) {
        store.setValue(QLatin1String(name), colors.*field);
    }
    store.sync();
    if (store.status() != QSettings::NoError) {
        return failed;
    }
    return {};
}

}  // namespace vantiq

#include "settings/color_settings_store.h"

#include <QSettings>

#include <array>

namespace vantiq {
namespace {

struct StoredValue {
    const char* name;
    std::uint32_t ColorSettings::*member;
};

constexpr std::array<StoredValue, 5> kValues = {{
    {"Color1", &ColorSettings::color1},
    {"Color08", &ColorSettings::color08},
    {"Color06", &ColorSettings::color06},
    {"Color04", &ColorSettings::color04},
    {"Color02", &ColorSettings::color02},
}};

constexpr qulonglong kLargestColorRef = 0x00FFFFFF;

// Reading a key makes QSettings parse the store, so status() means something.
bool StoreReadable(QSettings& settings) {
    settings.childKeys();
    return settings.status() == QSettings::NoError;
}

}  // namespace

StoredColors LoadColorSettings() {
    StoredColors stored;
    QSettings settings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq"));
    if (!StoreReadable(settings)) {
        stored.unreadable = true;
        return stored;
    }
    for (const StoredValue& value : kValues) {
        bool ok = false;
        const qulonglong number = settings.value(QLatin1String(value.name)).toULongLong(&ok);
        if (ok && number <= kLargestColorRef) {
            stored.colors.*value.member = static_cast<std::uint32_t>(number);
        }
    }
    return stored;
}

bool SaveColorSettings(const ColorSettings& colors) {
    QSettings settings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq"));
    if (!StoreReadable(settings)) {
        return false;
    }
    for (const StoredValue& value : kValues) {
        settings.setValue(QLatin1String(value.name), colors.*value.member);
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace vantiq

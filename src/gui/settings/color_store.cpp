#include "settings/color_store.h"

#include <QSettings>

#include <utility>

namespace vantiq {
namespace {

void ReadColor(const QSettings& store, const char* name, std::uint32_t& color) {
    bool ok = false;
    const qulonglong value = store.value(QLatin1String(name)).toULongLong(&ok);
    if (ok && value <= 0xFFFFFFFFULL) {
        color = static_cast<std::uint32_t>(value);
    }
}

}  // namespace

ColorSettings LoadStoredColors(bool* storeUnreadable) {
    QSettings store(QStringLiteral("Kestrin"), QStringLiteral("Vantiq"));
    const bool unreadable = store.status() != QSettings::NoError;
    if (storeUnreadable != nullptr) {
        *storeUnreadable = unreadable;
    }
    ColorSettings colors;
    if (unreadable) {
        return colors;
    }
    const std::pair<const char*, std::uint32_t ColorSettings::*> fields[] = {
        {"Color1", &ColorSettings::color1},   {"Color08", &ColorSettings::color08},
        {"Color06", &ColorSettings::color06}, {"Color04", &ColorSettings::color04},
        {"Color02", &ColorSettings::color02},
    };
    for (const auto& [name, field] : fields) {
        ReadColor(store, name, colors.*field);
    }
    return colors;
}

}  // namespace vantiq

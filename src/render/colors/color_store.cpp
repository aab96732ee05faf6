#include "render/colors/color_store.h"

#include <utility>

#include "render/settings/settings_store.h"

namespace vantiq {
namespace {

using ColorField = std::pair<const char*, std::uint32_t ColorSettings::*>;

constexpr ColorField kFields[] = {
    {"Color1", &ColorSettings::color1},   {"Color08", &ColorSettings::color08},
    {"Color06", &ColorSettings::color06}, {"Color04", &ColorSettings::color04},
    {"Color02", &ColorSettings::color02},
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
    const SettingsStore store;
    if (!store.Readable()) {
        return Error{"Error loading settings!"};
    }
    ColorSettings colors;
    for (const auto& [name, field] : kFields) {
        ReadColor(store, name, colors.*field);
    }
    return colors;
}

Status SaveStoredColors(const ColorSettings& colors) {
    const Error failed{"Error saving settings!"};
    SettingsStore store;
    if (!store.Readable()) {
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

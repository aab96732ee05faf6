#include "settings_exercise.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <fstream>

#include "render/colors/color_store.h"
#include "render/settings/streamed_values.h"

namespace vantiq {
namespace {

constexpr std::uint32_t kLargestColor = 0x00FFFFFF;

bool AllColours(const ColorSettings& c) {
    for (std::uint32_t value : {c.color1, c.color08, c.color06, c.color04, c.color02}) {
        if (value > kLargestColor) {
            return false;
        }
    }
    return true;
}

// Every input gets a folder of its own: QSettings keeps what it read of a
// file by name, size and time, and two inputs of one size written within a
// millisecond would otherwise look like one.
std::filesystem::path FreshStore(const std::filesystem::path& scratch, std::string_view bytes) {
    static unsigned long long serial = 0;
    const std::filesystem::path folder = scratch / std::to_string(++serial);
    std::filesystem::create_directories(folder / "Kestrin");
    std::ofstream(folder / "Kestrin" / "Vantiq.conf", std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.string()));
    return folder;
}

// What Qt makes of a value without a binary stream: text, bytes, geometry,
// nothing, or a list of these.
bool Unstreamed(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::UnknownType:
        case QMetaType::QString:
        case QMetaType::QStringList:
        case QMetaType::QByteArray:
        case QMetaType::QRect:
        case QMetaType::QSize:
        case QMetaType::QPoint:
            return true;
        case QMetaType::QVariantList:
            for (const QVariant& item : value.toList()) {
                if (!Unstreamed(item)) {
                    return false;
                }
            }
            return true;
        default:
            return false;
    }
}

// A store that the check before Qt's reading lets through must give Qt no
// value to rebuild from a stream; the check may refuse more than that.
std::string CheckNothingStreamed(std::string_view bytes) {
    if (!HoldsNoStreamedValue(bytes)) {
        return {};
    }
    QSettings store(QStringLiteral("Kestrin"), QStringLiteral("Vantiq"));
    store.setFallbacksEnabled(false);
    for (const QString& key : store.allKeys()) {
        if (!Unstreamed(store.value(key))) {
            return "a value that Qt rebuilt from a stream passed the check";
        }
    }
    return {};
}

ColorSettings Shifted(const ColorSettings& c) {
    return {c.color08, c.color06, c.color04, c.color02, c.color1 ^ 0x00A5A5A5};
}

std::string Check(bool unreadable, const ColorSettings& colors) {
    if (!AllColours(colors)) {
        return "a stored value beyond the colour bits was taken as a colour";
    }
    if (unreadable) {
        return colors == ColorSettings{} ? "" : "an unreadable store gave colours";
    }
    const ColorSettings saved = Shifted(colors);
    if (SaveStoredColors(saved).ok() && LoadStoredColors().value_or(ColorSettings{}) != saved) {
        return "colours saved into the store did not come back";
    }
    return {};
}

}  // namespace

std::string ExerciseSettingsStore(std::string_view bytes, const std::filesystem::path& scratch) {
    const std::filesystem::path folder = FreshStore(scratch, bytes);
    std::string fault = CheckNothingStreamed(bytes);
    const Result<ColorSettings> stored = LoadStoredColors();
    if (fault.empty()) {
        fault = Check(!stored.ok(), stored.value_or(ColorSettings{}));
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return fault;
}

}  // namespace vantiq

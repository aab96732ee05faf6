#include "render/pages/page_texts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/model/celsius.h"
#include "render/text/cp1251_text.h"

namespace vantiq {
namespace {

QString Fixed(const char* format, double value) {
    return QString::asprintf(format, value);
}

// Job names reach print queues and their listings in a terminal, so a
// name's control characters are shown escaped there.
QString SafeName(const TemRecord& record) {
    return QString::fromStdString(EscapeControls(Cp1251ToUtf8(record.Name())));
}

}  // namespace

QString DisplayName(const TemRecord& record) {
    return Cp1251ToQString(record.Name());
}

QString GraphsPageTitle(const TemRecord& record) {
    return QStringLiteral("Thermoelectric module %1").arg(DisplayName(record));
}

std::array<PerformanceRow, 5> PerformanceRows(const TemRecord& r) {
    return {{
        {QStringLiteral("Imax, Ampers"), Fixed("%3.1f", r.rated.imax)},
        {QStringLiteral("Vmax, Volts"), Fixed("%3.1f", r.rated.umax)},
        {QStringLiteral("dTmax, °C"), Fixed("%3.1f", std::fabs(r.rated.dtMax))},
        {QStringLiteral("Qmax, Watts"), Fixed("%3.1f", r.rated.qmax)},
        {QStringLiteral("AC resistance, ohms"), Fixed("%3.2f", r.rated.acResistance)},
    }};
}

QString OperatingPointLine(const OperatingPoint& p) {
    return QStringLiteral("Operating point: %1 × %2 A, %3 V, %4 W, COP %5, Th %6 °C")
        .arg(p.modules)
        .arg(Fixed("%.2f", p.current), Fixed("%.2f", p.voltage), Fixed("%.1f", p.power),
             Fixed("%.2f", p.cop), Fixed("%.1f", p.thot - kCelsiusOffset));
}

QString HotSideText(double thot) {
    // A hot side found by a balance (under a sink, between two stages) has
    // digits no one reads; the ones the user types have two at most.
    return QStringLiteral("Th = %1 °C").arg(std::round((thot - kCelsiusOffset) * 100.0) / 100.0);
}

QString HotSideLine(std::span<const PageHotSide> modules, double rated) {
    const bool atRated = std::all_of(modules.begin(), modules.end(),
                                     [rated](const PageHotSide& m) { return m.thot == rated; });
    if (atRated) {
        return QStringLiteral("Hot side: %1").arg(HotSideText(rated));
    }
    QStringList sides;
    for (const PageHotSide& module : modules) {
        sides.append(modules.size() == 1
                         ? HotSideText(module.thot)
                         : QStringLiteral("%1 · %2").arg(module.name, HotSideText(module.thot)));
    }
    return QStringLiteral("Hot side: %1; rated values at %2")
        .arg(sides.join(QStringLiteral(", ")), HotSideText(rated));
}

QString DatasheetJobName(const TemRecord& record) {
    return QStringLiteral("Vantiq document(datasheet): %1").arg(SafeName(record));
}

QString GraphsJobName(const TemRecord& record) {
    return QStringLiteral("Vantiq document(performance graphs): %1").arg(SafeName(record));
}

QString PerformanceDataHeading() {
    return QStringLiteral("Performance data:");
}

QString PerformanceGraphsHeading() {
    return QStringLiteral("Performance graphs:");
}

QString StripText() {
    return QStringLiteral("Vantiq © Kestrin");
}

}  // namespace vantiq

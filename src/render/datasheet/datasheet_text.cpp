#include "render/datasheet/datasheet_text.h"

#include <cmath>

namespace vantiq {
namespace {

const QString kDash = QStringLiteral("—");

QString Label(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString FormatFixed(double value, int decimals) {
    return std::isfinite(value) ? QString::number(value, 'f', decimals) : kDash;
}

}  // namespace

QString FormatTrimmed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return kDash;
    }
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(QLatin1Char('.'))) {
            text.chop(1);
        }
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString FormatMillimetres(double value) {
    const QString text = FormatTrimmed(value, 3);
    return text.contains(QLatin1Char('.')) || text == kDash ? text : text + QStringLiteral(".0");
}

std::vector<DatasheetRow> CatalogueRows(const TemRecord& r) {
    return {
        {Label("Pellets number, pcs"), QString::number(r.file.pelletCount)},
        {Label("Pellet side, mm"), FormatMillimetres(r.file.pelletSide * 1000.0)},
        {Label("Pellet length, mm"), FormatMillimetres(r.file.pelletLength * 1000.0)},
        {Label("Width × length × height, mm"), FormatMillimetres(r.file.width) + Label(" × ") +
                                                   FormatMillimetres(r.file.length) + Label(" × ") +
                                                   FormatMillimetres(r.file.height)},
        {Label("Nominal current, A"), FormatTrimmed(r.file.nominalCurrent, 2)},
        {Label("Electrical conductivity σ, S/m"), FormatTrimmed(r.file.electricalConductivity, 0)},
        {Label("Seebeck coefficient α, µV/K"), FormatTrimmed(r.file.seebeckCoefficient * 1e6, 2)},
        {Label("Thermal conductivity κ, W/(m·K)"), FormatTrimmed(r.file.thermalConductivity, 3)},
    };
}

std::vector<DatasheetRow> RatedRows(const std::optional<RatedValues>& rated) {
    const double nan = std::nan("");
    const RatedValues v = rated.value_or(RatedValues{nan, nan, nan, nan, nan});
    const int resistanceDecimals = std::fabs(v.acResistance) < 1.0 ? 3 : 2;
    return {
        {Label("Imax, A"), FormatFixed(v.imax, 2)},
        {Label("Umax, V"), FormatFixed(v.umax, 2)},
        {Label("ΔTmax, °C"), FormatFixed(std::fabs(v.dtMax), 1)},
        {Label("Qmax, W"), FormatFixed(v.qmax, 1)},
        {Label("AC resistance, Ω"), FormatFixed(v.acResistance, resistanceDecimals)},
    };
}

}  // namespace vantiq

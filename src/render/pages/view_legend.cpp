#include "render/pages/view_legend.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "core/model/curve_tables.h"
#include "render/graphs/graph_fonts.h"
#include "render/graphs/graph_renderer.h"
#include "render/pages/legend_flow.h"
#include "render/pages/page_texts.h"

namespace vantiq {
namespace {

constexpr int kFontHeight = 12;
constexpr int kRowHeight = 18;
constexpr int kMargin = 4;
constexpr int kSwatchPen = 2;
const QColor kRuleColor(140, 140, 170);

// For a row that would not fit the window's width with the roomy spacing.
constexpr LegendSpacing kCompactSpacing{14, 4, 10};

QFont LegendFont() {
    return MakeGraphFont(kFontHeight, 400);
}

// A short line in `pen` with `text` after it, starting at `x` on the row
// whose top is `top`.
void DrawEntry(QPainter& painter, int x, int top, const QPen& pen, const QString& text,
               LegendSpacing spacing = {}) {
    const int middle = top + kRowHeight / 2;
    painter.setPen(pen);
    painter.drawLine(x, middle, x + spacing.swatch, middle);
    x += spacing.swatch + spacing.gap;
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, top, 100000, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// The curve texts, largest current first, as people read the curves from the top.
QStringList ColourTexts(std::span<const LegendModule> modules) {
    const std::optional<double> imax =
        modules.size() == 1 ? std::optional(modules.front().imax) : std::nullopt;
    QStringList texts;
    for (std::size_t k = kCurveFactors.size(); k-- > 0;) {
        texts.append(CurrentLegendText(k, imax));
    }
    return texts;
}

struct ColourLayout {
    LegendSpacing spacing;
    std::vector<LegendSlot> places;
};

// The roomy spacing on one row where it fits, otherwise the compact one,
// wrapped onto as many rows as the width needs.
ColourLayout LayOutColours(std::span<const LegendModule> modules, int width) {
    const QFontMetrics metrics(LegendFont());
    std::vector<int> widths;
    for (const QString& text : ColourTexts(modules)) {
        widths.push_back(metrics.horizontalAdvance(text));
    }
    const int right = width - kMargin;
    ColourLayout layout{LegendSpacing{}, FlowLegend(widths, kMargin, right, LegendSpacing{})};
    if (LegendRows(layout.places) > 1) {
        layout = {kCompactSpacing, FlowLegend(widths, kMargin, right, kCompactSpacing)};
    }
    return layout;
}

void DrawColourRows(QPainter& painter, int top, int width, std::span<const LegendModule> modules,
                    const ColorSettings& colors) {
    const QStringList texts = ColourTexts(modules);
    const ColourLayout layout = LayOutColours(modules, width);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const std::size_t k = kCurveFactors.size() - 1 - static_cast<std::size_t>(i);
        const LegendSlot slot = layout.places[static_cast<std::size_t>(i)];
        DrawEntry(painter, slot.x, top + slot.row * kRowHeight,
                  QPen(colors.ForCurve(k), kSwatchPen), texts[i], layout.spacing);
    }
}

void DrawModuleRows(QPainter& painter, int top, std::span<const LegendModule> modules) {
    for (std::size_t m = 0; m < modules.size(); ++m) {
        const QPen pen(Qt::black, kSwatchPen, ModuleLineStyle(m), Qt::FlatCap);
        DrawEntry(painter, kMargin, top + static_cast<int>(m) * kRowHeight, pen,
                  ModuleLegendText(modules[m]));
    }
}

}  // namespace

QString GraphHeaderText(std::span<const LegendModule> modules, double thot) {
    const bool oneHotSide = std::all_of(
        modules.begin(), modules.end(),
        [thot](const LegendModule& module) { return module.thot.value_or(thot) == thot; });
    QStringList names;
    for (const LegendModule& module : modules) {
        names.append(oneHotSide ? module.name
                                : QStringLiteral("%1 · %2").arg(
                                      module.name, HotSideText(module.thot.value_or(thot))));
    }
    const QString joined = names.join(QStringLiteral(", "));
    return oneHotSide ? QStringLiteral("%1 · %2").arg(joined, HotSideText(thot)) : joined;
}

QString CurrentLegendText(std::size_t factor, std::optional<double> imax) {
    const QString name = QStringLiteral("%1 × Imax").arg(kCurveFactors.at(factor), 0, 'f', 1);
    return imax
               ? QStringLiteral("%1 = %2 A").arg(name).arg(kCurveFactors[factor] * *imax, 0, 'f', 2)
               : name;
}

QString ModuleLegendText(const LegendModule& module) {
    return QStringLiteral("%1 · Imax = %2 A").arg(module.name).arg(module.imax, 0, 'f', 2);
}

int LegendBandHeight(std::span<const LegendModule> modules, int width) {
    const int colourRows = std::max(1, LegendRows(LayOutColours(modules, width).places));
    const int rows = 1 + colourRows + static_cast<int>(modules.size() > 1 ? modules.size() : 0);
    return rows * kRowHeight + 2 * kMargin + 1;
}

void DrawLegendBand(QPainter& painter, int width, std::span<const LegendModule> modules,
                    double thot, const ColorSettings& colors) {
    if (modules.empty()) {
        return;
    }
    const int height = LegendBandHeight(modules, width);
    painter.save();
    painter.fillRect(0, 0, width, height - 1, Qt::white);
    painter.fillRect(0, height - 1, width, 1, kRuleColor);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(MakeGraphFont(kFontHeight, 700));
    painter.setPen(Qt::black);
    painter.drawText(QRect(kMargin, kMargin, width - 2 * kMargin, kRowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, GraphHeaderText(modules, thot));
    painter.setFont(LegendFont());
    DrawColourRows(painter, kMargin + kRowHeight, width, modules, colors);
    if (modules.size() > 1) {
        const int colourRows = LegendRows(LayOutColours(modules, width).places);
        DrawModuleRows(painter, kMargin + (1 + colourRows) * kRowHeight, modules);
    }
    painter.restore();
}

}  // namespace vantiq

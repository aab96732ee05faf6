#include "render/pages/view_legend.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/model/curve_tables.h"
#include "render/graphs/graph_fonts.h"
#include "render/graphs/graph_renderer.h"
#include "render/pages/page_texts.h"

namespace vantiq {
namespace {

constexpr int kFontHeight = 12;
constexpr int kRowHeight = 18;
constexpr int kMargin = 4;
constexpr int kSwatchPen = 2;
const QColor kRuleColor(140, 140, 170);

// The swatch's length, the gap after it and the gap after the text.
struct EntrySpacing {
    int swatch = 24;
    int gap = 6;
    int after = 18;
};
// For a row that would not fit the window's width with the roomy spacing.
constexpr EntrySpacing kCompactSpacing{14, 4, 10};

// A short line in `pen` with `text` after it, starting at `x` on the row
// whose top is `top`; returns where the next entry may start.
int DrawEntry(QPainter& painter, int x, int top, const QPen& pen, const QString& text,
              EntrySpacing spacing = {}) {
    const int middle = top + kRowHeight / 2;
    painter.setPen(pen);
    painter.drawLine(x, middle, x + spacing.swatch, middle);
    x += spacing.swatch + spacing.gap;
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, top, 100000, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    return x + painter.fontMetrics().horizontalAdvance(text) + spacing.after;
}

void DrawColourRow(QPainter& painter, int top, int width, std::span<const LegendModule> modules,
                   const ColorSettings& colors) {
    const std::optional<double> imax =
        modules.size() == 1 ? std::optional(modules.front().imax) : std::nullopt;
    QStringList texts;
    // Largest current first, as people read the curves from the top.
    for (std::size_t k = kCurveFactors.size(); k-- > 0;) {
        texts.append(CurrentLegendText(k, imax));
    }
    const EntrySpacing roomy;
    int needed = kMargin;
    for (const QString& text : texts) {
        needed +=
            roomy.swatch + roomy.gap + painter.fontMetrics().horizontalAdvance(text) + roomy.after;
    }
    const EntrySpacing spacing = needed - roomy.after <= width ? roomy : kCompactSpacing;
    int x = kMargin;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const std::size_t k = kCurveFactors.size() - 1 - static_cast<std::size_t>(i);
        x = DrawEntry(painter, x, top, QPen(colors.ForCurve(k), kSwatchPen), texts[i], spacing);
    }
}

void DrawModuleRows(QPainter& painter, int top, std::span<const LegendModule> modules) {
    for (std::size_t m = 0; m < modules.size(); ++m) {
        const QPen pen(Qt::black, kSwatchPen, ModuleLineStyle(m), Qt::FlatCap);
        const QString text =
            QStringLiteral("%1 · Imax = %2 A").arg(modules[m].name).arg(modules[m].imax, 0, 'f', 2);
        DrawEntry(painter, kMargin, top + static_cast<int>(m) * kRowHeight, pen, text);
    }
}

}  // namespace

QString GraphHeaderText(std::span<const LegendModule> modules, double thot) {
    QStringList names;
    for (const LegendModule& module : modules) {
        names.append(module.name);
    }
    return QStringLiteral("%1 · %2").arg(names.join(QStringLiteral(", ")), HotSideText(thot));
}

QString CurrentLegendText(std::size_t factor, std::optional<double> imax) {
    const QString name = QStringLiteral("%1 × Imax").arg(kCurveFactors.at(factor), 0, 'f', 1);
    return imax
               ? QStringLiteral("%1 = %2 A").arg(name).arg(kCurveFactors[factor] * *imax, 0, 'f', 2)
               : name;
}

int LegendBandHeight(std::size_t modules) {
    const std::size_t rows = 2 + (modules > 1 ? modules : 0);
    return static_cast<int>(rows) * kRowHeight + 2 * kMargin + 1;
}

void DrawLegendBand(QPainter& painter, int width, std::span<const LegendModule> modules,
                    double thot, const ColorSettings& colors) {
    if (modules.empty()) {
        return;
    }
    const int height = LegendBandHeight(modules.size());
    painter.save();
    painter.fillRect(0, 0, width, height - 1, Qt::white);
    painter.fillRect(0, height - 1, width, 1, kRuleColor);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(MakeGraphFont(kFontHeight, 700));
    painter.setPen(Qt::black);
    painter.drawText(QRect(kMargin, kMargin, width - 2 * kMargin, kRowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, GraphHeaderText(modules, thot));
    painter.setFont(MakeGraphFont(kFontHeight, 400));
    DrawColourRow(painter, kMargin + kRowHeight, width, modules, colors);
    if (modules.size() > 1) {
        DrawModuleRows(painter, kMargin + 2 * kRowHeight, modules);
    }
    painter.restore();
}

}  // namespace vantiq

#include "render/datasheet/datasheet_drawing.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>

#include "render/datasheet/datasheet_graph.h"
#include "render/datasheet/datasheet_outline.h"
#include "render/datasheet/datasheet_palette.h"
#include "render/datasheet/datasheet_style.h"
#include "render/datasheet/datasheet_text.h"
#include "render/text/cp1251_text.h"

namespace vantiq {
namespace {

constexpr double kPageWidth = 1240.0;
constexpr double kMargin = 90.0;
constexpr double kContentWidth = kPageWidth - 2.0 * kMargin;
constexpr double kRowHeight = 40.0;
constexpr double kTablesTop = 870.0;
constexpr double kGraphTop = 1262.0;
constexpr double kFooterTop = 1668.0;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The title font, smaller for a name too long for the line at full size.
QFont TitleFont(const QString& name) {
    constexpr int kFullSize = 64;
    QFont font = DatasheetFont(kFullSize, true);
    const double advance = QFontMetricsF(font).horizontalAdvance(name);
    if (advance > kContentWidth) {
        font.setPixelSize(static_cast<int>(kFullSize * kContentWidth / advance));
    }
    return font;
}

void DrawHeader(QPainter& painter, const TemRecord& record) {
    painter.fillRect(QRectF(0.0, 0.0, kPageWidth, 190.0), kBrandColour);
    painter.fillRect(QRectF(0.0, 190.0, kPageWidth, 8.0), kAccentColour);
    QFont caps = DatasheetFont(24, true);
    caps.setLetterSpacing(QFont::AbsoluteSpacing, 3.0);
    painter.setFont(caps);
    painter.setPen(QColor(176, 198, 230));
    painter.drawText(QRectF(kMargin, 40.0, kContentWidth, 34.0), Qt::AlignLeft | Qt::AlignVCenter,
                     Text("THERMOELECTRIC COOLING MODULE"));
    painter.drawText(QRectF(kMargin, 40.0, kContentWidth, 34.0), Qt::AlignRight | Qt::AlignVCenter,
                     Text("DATASHEET"));
    const QString name = Cp1251ToQString(record.Name());
    painter.setFont(TitleFont(name));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(kMargin, 82.0, kContentWidth, 86.0), Qt::AlignLeft | Qt::AlignVCenter,
                     name);
}

// A section title with a rule under it, across `width` from `left`; returns
// where the section's content starts.
double DrawHeading(QPainter& painter, double left, double top, double width, const QString& title,
                   const QString& note = {}) {
    painter.setFont(DatasheetFont(30, true));
    painter.setPen(kBrandColour);
    const QRectF line(left, top, width, 40.0);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, title);
    painter.setFont(DatasheetFont(20, false, true));
    painter.setPen(kMutedTextColour);
    painter.drawText(line, Qt::AlignRight | Qt::AlignBottom, note);
    painter.fillRect(QRectF(left, top + 48.0, width, 3.0), kBrandColour);
    return top + 51.0;
}

void DrawTable(QPainter& painter, double left, double top, double width,
               const std::vector<DatasheetRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRectF row(left, top + kRowHeight * static_cast<double>(i), width, kRowHeight);
        if (i % 2 == 1) {
            painter.fillRect(row, kStripeColour);
        }
        painter.fillRect(QRectF(left, row.bottom() - 1.0, width, 1.0), kRuleColour);
        const QRectF text = row.adjusted(14.0, 0.0, -14.0, 0.0);
        painter.setPen(kTextColour);
        painter.setFont(DatasheetFont(22, false));
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, rows[i].label);
        painter.setFont(DatasheetFont(22, true));
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, rows[i].value);
    }
}

void DrawRatedNote(QPainter& painter, QRectF box, bool derived) {
    painter.setFont(DatasheetFont(19, false, true));
    painter.setPen(derived ? kMutedTextColour : QColor(180, 30, 30));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     derived ? Text("Imax and Umax at ΔTmax with no heat load; Qmax at ΔT = 0. "
                                    "ΔT in kelvin equals ΔT in °C.")
                             : Text("The performance model finds no balance point for this "
                                    "module at 25 °C, so it has no rated values."));
}

void DrawTables(QPainter& painter, const TemRecord& record,
                const std::optional<RatedValues>& rated) {
    constexpr double kTop = kTablesTop;
    constexpr double kGap = 50.0;
    constexpr double kLeftWidth = 560.0;
    constexpr double kRightLeft = kMargin + kLeftWidth + kGap;
    constexpr double kRightWidth = kContentWidth - kLeftWidth - kGap;
    const double leftTop = DrawHeading(painter, kMargin, kTop, kLeftWidth, Text("Catalogue data"));
    DrawTable(painter, kMargin, leftTop, kLeftWidth, CatalogueRows(record));
    const double rightTop = DrawHeading(painter, kRightLeft, kTop, kRightWidth, Text("Performance"),
                                        Text("Th = 25 °C (298 K)"));
    const auto rows = RatedRows(rated);
    DrawTable(painter, kRightLeft, rightTop, kRightWidth, rows);
    const double noteTop = rightTop + kRowHeight * static_cast<double>(rows.size()) + 18.0;
    DrawRatedNote(painter, QRectF(kRightLeft, noteTop, kRightWidth, 120.0), rated.has_value());
}

void DrawGraphSection(QPainter& painter, const TemRecord& record,
                      const std::optional<RatedValues>& rated) {
    const double top = DrawHeading(painter, kMargin, kGraphTop, kContentWidth,
                                   Text("Cooling capacity"), Text("Th = 25 °C (298 K)"));
    const QRectF area(kMargin, top + 12.0, kContentWidth, kFooterTop - top - 24.0);
    if (!rated) {
        painter.setFont(DatasheetFont(22, false, true));
        painter.setPen(kMutedTextColour);
        painter.drawText(area, Qt::AlignCenter, Text("No graph without rated values."));
        return;
    }
    TemRecord derived = record;
    derived.rated = ModuleRating{*rated, true};
    DrawDatasheetGraph(painter, area, derived);
}

void DrawFooter(QPainter& painter) {
    painter.fillRect(QRectF(kMargin, kFooterTop, kContentWidth, 2.0), kRuleColour);
    painter.setFont(DatasheetFont(18, false));
    painter.setPen(kMutedTextColour);
    painter.drawText(QRectF(kMargin, kFooterTop + 10.0, kContentWidth, 60.0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     Text("All dimensions in millimetres. Rated values are derived from the "
                          "catalogue data with the Vantiq performance model; the drawing shows "
                          "the module to scale, leads not to scale."));
}

}  // namespace

QImage DrawGeneratedDatasheet(const TemRecord& record, const std::optional<RatedValues>& rated,
                              QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size.width() / kPageWidth,
                  size.height() / static_cast<double>(kDatasheetSize.height()));
    DrawHeader(painter, record);
    const double outlineTop = DrawHeading(painter, kMargin, 240.0, kContentWidth,
                                          Text("Outline drawing"), Text("dimensions in mm"));
    DrawModuleOutline(painter, QRectF(kMargin, outlineTop + 10.0, kContentWidth, 560.0), record);
    DrawTables(painter, record, rated);
    DrawGraphSection(painter, record, rated);
    DrawFooter(painter);
    return image;
}

std::vector<unsigned char> DatasheetPng(const TemRecord& record) {
    TemRecord derived = record;
    const bool ok = DeriveRatedValues(derived, kDatasheetThot);
    const std::optional<RatedValues> rated =
        ok ? std::optional<RatedValues>(derived.rated) : std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // A palette image compresses nearly as well at a middle level as at the best, in a
    // fraction of the time.
    writer.setQuality(50);
    if (!writer.write(ToPalette(DrawGeneratedDatasheet(record, rated)))) {
        return {};
    }
    return {bytes.begin(), bytes.end()};
}

}  // namespace vantiq

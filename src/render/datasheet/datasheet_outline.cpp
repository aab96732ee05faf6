#include "render/datasheet/datasheet_outline.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "render/datasheet/datasheet_dimension.h"
#include "render/datasheet/datasheet_geometry.h"
#include "render/datasheet/datasheet_style.h"
#include "render/datasheet/datasheet_text.h"
#include "render/text/cp1251_text.h"

namespace vantiq {
namespace {

constexpr OutlineRoom kRoom{150.0, 70.0, 170.0, 70.0, 90.0, 40.0};
constexpr double kDimensionDistance = 45.0;
const QColor kCeramic(243, 241, 234);
const QColor kLegP(96, 110, 140);
const QColor kLegN(160, 170, 192);
const QColor kLeadPlus(200, 30, 30);
const QColor kLeadMinus(35, 35, 35);

void DrawLead(QPainter& painter, QPointF start, double length, const QColor& colour,
              const QString& sign) {
    painter.setPen(QPen(colour, 7.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(start, start + QPointF(length, 0.0));
    painter.setPen(QPen(QColor(150, 150, 150), 3.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(start + QPointF(length + 4.0, 0.0), start + QPointF(length + 18.0, 0.0));
    painter.setPen(colour);
    painter.setFont(DatasheetFont(20, true));
    painter.drawText(QRectF(start.x() + length + 22.0, start.y() - 14.0, 30.0, 28.0),
                     Qt::AlignVCenter | Qt::AlignLeft, sign);
}

void DrawTopView(QPainter& painter, const QRectF& view, const TemRecord& record) {
    const double leadLength = std::min(90.0, kRoom.right - 60.0);
    DrawLead(painter, {view.right(), view.top() + view.height() * 0.62}, leadLength, kLeadPlus,
             QStringLiteral("+"));
    DrawLead(painter, {view.right(), view.top() + view.height() * 0.80}, leadLength, kLeadMinus,
             QString::fromUtf8("−"));
    painter.setPen(QPen(kOutlineColour, 2.5));
    painter.setBrush(kCeramic);
    painter.drawRect(view);
    const QString name = Cp1251ToQString(record.Name());
    painter.setFont(DatasheetFont(18, false));
    if (QFontMetricsF(painter.font()).horizontalAdvance(name) < view.width() * 0.8) {
        painter.setPen(QColor(150, 150, 150));
        painter.drawText(view, Qt::AlignCenter, name);
    }
}

// The legs of one row across the width, alternately p and n, between the plates.
void DrawLegs(QPainter& painter, const QRectF& space, const TemRecord& record, double scale) {
    const double legs = std::ceil(std::sqrt(2.0 * record.file.pelletCount));
    const double pitch = space.width() / std::max(legs, 1.0);
    const double legWidth = std::min(record.file.pelletSide * 1000.0 * scale, pitch * 0.8);
    if (!(legWidth >= 1.5)) {
        painter.fillRect(space, QBrush(kLegP, Qt::BDiagPattern));
        return;
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < static_cast<int>(legs); ++i) {
        painter.setBrush(i % 2 == 0 ? kLegP : kLegN);
        const double left = space.left() + pitch * (i + 0.5) - legWidth / 2.0;
        painter.drawRect(QRectF(left, space.top(), legWidth, space.height()));
    }
}

void DrawSideView(QPainter& painter, const QRectF& view, const TemRecord& record, double scale) {
    const double legHeight =
        std::clamp(record.file.pelletLength * 1000.0 * scale, 0.0, view.height());
    const double plate = (view.height() - legHeight) / 2.0;
    const QRectF legSpace(view.left(), view.top() + plate, view.width(), legHeight);
    DrawLegs(painter, legSpace, record, scale);
    painter.setPen(QPen(kOutlineColour, 2.0));
    painter.setBrush(kCeramic);
    if (plate >= 1.0) {
        painter.drawRect(QRectF(view.left(), view.top(), view.width(), plate));
        painter.drawRect(QRectF(view.left(), legSpace.bottom(), view.width(), plate));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kOutlineColour, 2.5));
    painter.drawRect(view);
}

void DrawCaption(QPainter& painter, const QRectF& view, double below, const QString& text) {
    painter.setPen(kMutedTextColour);
    painter.setFont(DatasheetFont(20, false, true));
    painter.drawText(QRectF(view.left() - 100.0, view.bottom() + below, view.width() + 200.0, 30.0),
                     Qt::AlignHCenter | Qt::AlignTop, text);
}

void DrawDimensions(QPainter& painter, const OutlineLayout& layout, const TemRecord& record) {
    painter.setPen(QPen(kDimensionColour, 1.3));
    painter.setFont(DatasheetFont(22, false));
    const QRectF& top = layout.topView;
    const QRectF& side = layout.sideView;
    DrawDimension(painter, {top.topLeft(),
                            top.topRight(),
                            {0.0, -1.0},
                            kDimensionDistance,
                            FormatMillimetres(record.file.width)});
    DrawDimension(painter, {top.topLeft(),
                            top.bottomLeft(),
                            {-1.0, 0.0},
                            kDimensionDistance,
                            FormatMillimetres(record.file.length)});
    DrawDimension(painter, {side.topRight(),
                            side.bottomRight(),
                            {1.0, 0.0},
                            kDimensionDistance,
                            FormatMillimetres(record.file.height)});
}

}  // namespace

void DrawModuleOutline(QPainter& painter, const QRectF& box, const TemRecord& record) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const OutlineLayout layout =
        FitOutline(record.file.width, record.file.length, record.file.height, box, kRoom);
    if (layout.scale <= 0.0) {
        painter.setPen(kMutedTextColour);
        painter.setFont(DatasheetFont(24, false, true));
        painter.drawText(box, Qt::AlignCenter,
                         QStringLiteral("The catalogue gives no usable dimensions."));
        painter.restore();
        return;
    }
    DrawTopView(painter, layout.topView, record);
    DrawSideView(painter, layout.sideView, record, layout.scale);
    DrawDimensions(painter, layout, record);
    DrawCaption(painter, layout.topView, 22.0, QStringLiteral("Top view"));
    DrawCaption(painter, layout.sideView, 34.0, QStringLiteral("Side view"));
    painter.restore();
}

}  // namespace vantiq

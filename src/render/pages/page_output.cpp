#include "render/pages/page_output.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "render/pages/page_painter.h"
#include "render/pages/page_texts.h"

namespace vantiq {
namespace {

// About what a laser printer cannot reach at the paper's edges, so an
// exported page looks like a printed one.
constexpr double kPdfMarginMm = 5.0;

}  // namespace

std::optional<PageContent> SelectedPageContent(const TemBase& base, std::int32_t selected,
                                               double thot, const ColorSettings& colors,
                                               const QImage& picture,
                                               const std::optional<OperatingPoint>& point,
                                               std::span<const OperatingPoint> alongside) {
    const TemRecord* record = RecordAt(base, selected);
    if (record == nullptr) {
        return std::nullopt;
    }
    const bool ours = point && static_cast<std::int32_t>(point->index) == selected;
    PageContent content{
        *record, thot, colors, picture, ours ? point : std::optional<OperatingPoint>(), {}};
    for (const OperatingPoint& other : ours ? alongside : std::span<const OperatingPoint>()) {
        if (other.index < base.records.size()) {
            content.alongside.push_back({base.records[other.index], other});
        }
    }
    return content;
}

QString PageJobName(PageKind kind, const PageContent& content) {
    return kind == PageKind::Datasheet ? DatasheetJobName(content.record)
                                       : GraphsJobName(content.record);
}

QString PageFileName(PageKind kind, const PageContent& content) {
    const QString page =
        kind == PageKind::Datasheet ? QStringLiteral("datasheet") : QStringLiteral("graphs");
    QString name = QStringLiteral("%1 %2.pdf").arg(DisplayName(content.record), page);
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("<>:\"/\\|?*").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    return name;
}

bool PaintPage(QPaintDevice& device, PageKind kind, const PageContent& content) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const int width = device.width();
    const int height = device.height();
    if (kind == PageKind::Datasheet) {
        PrintDatasheetPage(painter, width, height, content.picture);
    } else {
        PrintGraphsPage(painter, width, height, content.record, content.thot, content.colors,
                        device.logicalDpiX(), content.point ? &*content.point : nullptr,
                        content.alongside);
    }
    return painter.end();
}

bool WritePagePdf(const QString& path, PageKind kind, const PageContent& content, int dpi) {
    QPdfWriter writer(path);
    writer.setResolution(dpi);
    writer.setTitle(PageJobName(kind, content));
    writer.setCreator(QStringLiteral("Vantiq"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                    QPageLayout::Millimeter));
    return PaintPage(writer, kind, content);
}

}  // namespace vantiq

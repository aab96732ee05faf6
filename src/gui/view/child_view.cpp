#include "gui/view/child_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QToolTip>

#include <algorithm>

#include "render/graphs/graph_renderer.h"
#include "render/pages/graph_readout.h"
#include "render/pages/page_texts.h"
#include "render/pages/view_legend.h"
#include "render/pictures/module_picture.h"

namespace vantiq {

CChildView::CChildView(const TemBase& base, const ColorSettings& colors, QWidget* parent)
    : QWidget(parent), base_(base), colors_(colors) {
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void CChildView::OnUpdateView(DisplayMode mode) {
    mode_ = mode;
    shown_.clear();
    for (const GraphedModule& module : ShownModules()) {
        shown_.push_back(
            {static_cast<std::int32_t>(module.record - base_.records.data()), module.thot,
             module.point ? std::optional<OperatingPoint>(*module.point) : std::nullopt});
    }
    DrawGraphs();
    picture_ = RecordAt(base_, module_) != nullptr ? LoadModulePicture(base_, module_) : QImage();
    update();
}

std::vector<GraphedModule> CChildView::ShownModules() const {
    const TemRecord* selected = RecordAt(base_, module_);
    if (selected == nullptr) {
        return {};
    }
    if (std::vector<GraphedModule> points = ShownPoints(); !points.empty()) {
        return points;
    }
    const bool marked = point_ && static_cast<std::int32_t>(point_->index) == module_;
    // A point found under a heat sink sits at a hot side of its own: the
    // curves it is marked on are drawn there.
    const double thot = marked ? point_->thot : thot_;
    std::vector<GraphedModule> modules = {{selected, thot, marked ? &*point_ : nullptr}};
    const auto& compared = compared_.modules;
    if (std::find(compared.begin(), compared.end(), module_) == compared.end()) {
        return modules;
    }
    for (const std::int32_t index : compared) {
        const bool valid = index >= 0 && static_cast<std::size_t>(index) < base_.records.size();
        if (valid && index != module_ && modules.size() < kMaxOverlaidModules) {
            modules.push_back({&base_.records[static_cast<std::size_t>(index)], thot, nullptr});
        }
    }
    return modules;
}

std::vector<GraphedModule> CChildView::ShownPoints() const {
    const auto& points = compared_.points;
    // The compared points belong to the chosen one's list while it leads them.
    if (points.empty() || !point_ || points.front().index != point_->index ||
        static_cast<std::int32_t>(point_->index) != module_) {
        return {};
    }
    std::vector<GraphedModule> modules;
    for (const OperatingPoint& point : points) {
        if (point.index < base_.records.size() && modules.size() < kMaxOverlaidModules) {
            modules.push_back({&base_.records[point.index], point.thot, &point});
        }
    }
    return modules;
}

std::vector<OperatingPoint> CChildView::PointsAlongside() const {
    const std::vector<GraphedModule> shown = ShownPoints();
    std::vector<OperatingPoint> points;
    for (std::size_t k = 1; k < shown.size(); ++k) {
        points.push_back(*shown[k].point);
    }
    return points;
}

void CChildView::DrawGraphs() {
    const std::vector<GraphedModule> modules = ShownModules();
    if (mode_ != DisplayMode::Graph || buffer_.isNull()) {
        return;
    }
    header_.clear();
    if (modules.empty()) {
        ClearPage();
        return;
    }
    std::vector<LegendModule> legend;
    for (const GraphedModule& module : modules) {
        legend.push_back({DisplayName(*module.record), module.record->rated.imax, module.thot});
    }
    header_ = GraphHeaderText(legend, modules.front().thot);
    const int band = std::min(LegendBandHeight(legend, buffer_.width()), buffer_.height());
    const int width = buffer_.width();
    const int height = buffer_.height() - band;
    buffer_.fill(palette().color(QPalette::Window));
    QPainter painter(&buffer_);
    DrawLegendBand(painter, width, legend, modules.front().thot, colors_);
    DrawViewCross(painter, width, height, band);
    plotted_ = DrawModuleGraphs(painter, ViewQuadrants(width, height, band), modules, colors_,
                                kScreenGraphStyle);
}

QString CChildView::ReadOutAt(QPoint at) const {
    if (mode_ != DisplayMode::Graph) {
        return {};
    }
    const std::optional<ReadOut> readOut = NearestCurvePoint(plotted_, at);
    return readOut ? ReadOutText(plotted_, *readOut) : QString();
}

void CChildView::ShowReadOut(const QString& text, QPoint globalAt) {
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(globalAt, text, this);
    }
    if (text != readOut_) {
        readOut_ = text;
        emit ReadOutChanged(text);
    }
}

void CChildView::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    ShowReadOut(ReadOutAt(event->position().toPoint()), event->globalPosition().toPoint());
}

void CChildView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    ShowReadOut(QString(), QPoint());
}

void CChildView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (mode_ == DisplayMode::Graph) {
        painter.drawImage(0, 0, buffer_);
    } else if (mode_ == DisplayMode::Datasheet) {
        DrawDatasheetPicture(painter, picture_, width(), height());
    }
}

void CChildView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = event->size();
    if (size.isEmpty()) {
        return;  // a minimised window keeps its page
    }
    // A fresh page shows the window colour and the cross, and the graphs of
    // the module shown drawn anew at the new size.
    buffer_ = QImage(size, QImage::Format_RGB32);
    ClearPage();
    DrawGraphs();
}

void CChildView::ClearPage() {
    buffer_.fill(palette().color(QPalette::Window));
    QPainter painter(&buffer_);
    DrawViewCross(painter, buffer_.width(), buffer_.height());
    plotted_ = {};
}

}  // namespace vantiq

#pragma once

#include <QImage>
#include <QWidget>

#include <optional>

#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"
#include "gui/view/view_modes.h"
#include "render/colors/color_settings.h"
#include "render/pages/graphs_page.h"

namespace vantiq {

// The drawing area: the selected module's four performance graphs, composed
// in a buffer of the client size, or its datasheet picture. It reads the
// base's selection and the colours, which the application owns and keeps
// alive longer than the view. What it shows changes only through
// OnUpdateView; painting never recomputes a graph.
class CChildView : public QWidget {
    Q_OBJECT

public:
    CChildView(const TemBase& base, const ColorSettings& colors, QWidget* parent = nullptr);

    // The composed graphs page (the cross and, once drawn, the graphs).
    const QImage& Buffer() const { return buffer_; }
    // The datasheet picture of the module last shown; null when none.
    const QImage& Picture() const { return picture_; }
    DisplayMode Mode() const { return mode_; }
    // The operating point the module was chosen at, marked on its graphs
    // while that module is the selected one; none when it was chosen from
    // the search's list.
    const std::optional<OperatingPoint>& Point() const { return point_; }
    void SetPoint(const std::optional<OperatingPoint>& point) { point_ = point; }

public slots:
    // Shows the selected module in `mode` (None shows nothing): in Graph mode the
    // graphs are rebuilt, in every mode the picture is reloaded. Without a
    // selected module the last graphs stay and the picture is dropped.
    void OnUpdateView(DisplayMode mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // In Graph mode with a module selected, draws its graphs into the page.
    void DrawGraphs();

    const TemBase& base_;
    const ColorSettings& colors_;
    QImage buffer_;
    QImage picture_;
    GraphCells quadrants_{};
    DisplayMode mode_ = DisplayMode::None;
    std::optional<OperatingPoint> point_;
};

}  // namespace vantiq

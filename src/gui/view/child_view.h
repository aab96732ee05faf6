#pragma once

#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

#include "core/advisor/comparison.h"
#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"
#include "core/model/hot_side.h"
#include "gui/view/view_modes.h"
#include "render/colors/color_settings.h"
#include "render/pages/graphs_page.h"

namespace vantiq {

// The drawing area: the selected module's four performance graphs under a
// band naming the module, the hot side and the curves, composed in a buffer
// of the client size, or its datasheet picture. Modules picked for comparing
// alongside the selected one are overlaid on its graphs. It reads the base
// and the colours, which the application owns and keeps alive longer than
// the view; the session tells it the selected module through SetModule. What it shows changes only
// through OnUpdateView; painting never recomputes a graph. The mouse over a graph reads out the
// nearest curve point in a tooltip and through ReadOutChanged.
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
    // The modules picked for comparing (base indexes, in list order). While
    // the selected module is one of them, its graphs overlay theirs; the
    // selected module is drawn first (solid), the others dashed and dotted.
    // When they were picked at operating points (the stages of a stack, or
    // points picked together) and the first is Point(), each is drawn at
    // its own point's hot side with its point marked.
    void SetCompared(const Comparison& compared) { compared_ = compared; }
    // The points drawn beside Point(), each on its own module's curves (the
    // other stage of a stack, points picked with it); empty when none are.
    std::vector<OperatingPoint> PointsAlongside() const;
    // The selected module (a base index, -1 for none) and the hot side (K)
    // the base's records were derived at; shown at the next OnUpdateView.
    void SetModule(std::int32_t module, double thot) {
        module_ = module;
        thot_ = thot;
    }
    // The graphs as last drawn (none before the first drawing in Graph mode).
    const PlottedPage& Plotted() const { return plotted_; }
    // A module as the last OnUpdateView showed it: its index, the hot side
    // its curves are drawn at (K) and the point marked on them.
    struct ShownModule {
        std::int32_t module = -1;
        double thot = 0.0;
        std::optional<OperatingPoint> point;
    };
    // What the last OnUpdateView showed, the selected module first (empty:
    // nothing), and the header over the graphs (Graph mode only).
    const std::vector<ShownModule>& Shown() const { return shown_; }
    const QString& Header() const { return header_; }
    // The read-out of the curve point nearest to `at` (client pixels) in
    // Graph mode; empty beside the graphs.
    QString ReadOutAt(QPoint at) const;

signals:
    // The mouse moved to a point with another read-out (empty: none).
    void ReadOutChanged(const QString& text);

public slots:
    // Shows the selected module in `mode` (None shows nothing): in Graph mode the
    // graphs are rebuilt, in every mode the picture is reloaded. Without a
    // selected module the page is cleared and the picture dropped, so no
    // module is shown that the title does not name.
    void OnUpdateView(DisplayMode mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // In Graph mode with a module selected, draws the page anew: the legend
    // band, the cross and the graphs below it.
    void DrawGraphs();
    // The window colour and the cross, no graphs.
    void ClearPage();
    // The selected module, then the other compared ones, each at its hot
    // side and point; empty without a selection.
    std::vector<GraphedModule> ShownModules() const;
    std::vector<GraphedModule> ShownPoints() const;
    void ShowReadOut(const QString& text, QPoint globalAt);

    const TemBase& base_;
    const ColorSettings& colors_;
    QImage buffer_;
    QImage picture_;
    PlottedPage plotted_;
    std::vector<ShownModule> shown_;
    QString header_;
    Comparison compared_;
    QString readOut_;
    DisplayMode mode_ = DisplayMode::None;
    std::optional<OperatingPoint> point_;
    std::int32_t module_ = -1;
    double thot_ = kDefaultThot;
};

}  // namespace vantiq

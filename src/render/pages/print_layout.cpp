#include "render/pages/print_layout.h"

#include "render/graphs/graph_geometry.h"

namespace vantiq {
namespace {

const QColor kFrameColor(140, 140, 170);

// A fraction of a page size in whole pixels, truncated toward zero.
int Part(double fraction, int size) {
    return Truncate(fraction * size);
}

// Left, top, right, bottom as a rectangle; right and bottom are exclusive.
QRect Edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

TableRules LayOutRules(int w, int h) {
    TableRules rules;
    rules.penWidth = Part(0.001, w);
    rules.color = kFrameColor;
    for (int k = 0; k < 6; ++k) {
        rules.rowY[k] = Truncate(k * 0.02 * h + 0.087 * h);
    }
    rules.left = Part(0.08, w);
    rules.right = Part(0.47, w);
    rules.columnX = {Part(0.08, w), Part(0.35, w), Part(0.47, w)};
    rules.top = Part(0.087, h);
    rules.bottom = Part(0.187, h);
    return rules;
}

GraphCells LayOutCells(int w, int h) {
    const int left = Part(0.1, w);
    const int middle = w / 2;
    const int right = Part(0.9, w);
    const int top = Part(0.3, h);
    const int centre = Part(0.6, h);
    const int bottom = Part(0.9, h);
    return {Placement{left, top, middle, centre}, Placement{middle, top, right, centre},
            Placement{left, centre, middle, bottom}, Placement{middle, centre, right, bottom}};
}

}  // namespace

GraphsPageLayout LayOutGraphsPage(int w, int h) {
    GraphsPageLayout page;
    page.title = QPoint(Part(0.05, w), Part(0.03, h));
    page.titleFont = {Part(0.03, w), Part(0.015, w)};
    // Small enough to fit between the title and the "Performance data:"
    // heading on a portrait page.
    page.hotSideLine = QPoint(page.title.x(), page.title.y() + page.titleFont.height);
    page.hotSideFont = {Part(0.011, w), Part(0.0055, w)};
    page.dataHeading = QPoint(Part(0.1, w), Part(0.06, h));
    page.graphsHeading = QPoint(Part(0.1, w), Part(0.2, h));
    page.headingFont = {Part(0.02, w), Part(0.01, w), true};
    page.labelX = Part(0.1, w);
    page.valueX = Part(0.4, w);
    page.rowY = {Part(0.09, h), Part(0.11, h), Part(0.13, h), Part(0.15, h), Part(0.17, h)};
    page.tableFont = {Part(0.02, w), Part(0.01, w)};
    page.rules = LayOutRules(w, h);
    // In the gap between the table's bottom rule (0.187 H) and the graphs heading.
    page.pointLine = QPoint(Part(0.1, w), Part(0.189, h));
    page.pointFont = {Part(0.011, w), Part(0.0055, w)};
    page.alongsideLines = QPoint(page.rules.right + Part(0.03, w), page.rules.top);
    page.headerPicture = QRect(Part(0.65, w), Part(0.015, h), Part(0.14, w), Part(0.06, h));
    page.titleMaxWidth = page.headerPicture.left() - page.title.x() - Part(0.01, w);
    page.graphCells = LayOutCells(w, h);
    const int legendTop = page.graphsHeading.y() + page.headingFont.height + Part(0.005, h);
    page.legendBand = Edges(Part(0.1, w), legendTop, Part(0.9, w), Part(0.29, h));
    return page;
}

StripLayout LayOutStrip(int w, int h) {
    StripLayout strip;
    strip.corner = Part(0.015, w);
    strip.strip = Edges(Part(0.97, w), Part(0.05, h), w, Part(0.95, h));
    strip.color = kFrameColor;
    strip.textOrigin = QPoint(Part(0.977, w), Part(0.93, h));
    strip.font = {strip.corner, Part(0.01, w), false, true};
    return strip;
}

QRect DatasheetPictureRect(int w, int h) {
    return Edges(0, 0, Part(0.97, w), h);
}

}  // namespace vantiq

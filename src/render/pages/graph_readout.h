#pragma once

#include <QPoint>
#include <QString>

#include <optional>

#include "render/pages/graphs_page.h"

namespace vantiq {

// A point of a drawn curve, found from a position on the page.
struct ReadOut {
    const PlottedGraph* graph = nullptr;
    const PlottedCurve* curve = nullptr;
    double x = 0.0;
    double y = 0.0;
    QPoint pixel;  // where the point was drawn, in page pixels
};

// The drawn curve point nearest to `at` (page pixels) on the graph whose
// placement holds `at`; nullopt beside every graph or on a graph with no
// point inside its placement. The pointers refer into `page`.
std::optional<ReadOut> NearestCurvePoint(const PlottedPage& page, QPoint at);

// The point in words: the curve, then x and y with their units, e.g.
// "1.0 × Imax: dT = 23.4 K, Qc = 12.30 W"; the module's name leads when the
// page shows several ("VQ-127-1.4-1.15 · No load: I = 3.20 A, dT = 51.0 K").
QString ReadOutText(const PlottedPage& page, const ReadOut& readOut);

}  // namespace vantiq

#include "view/print_graphs.h"

namespace vantiq {

// Until the graph renderer joins this library the cells stay blank.
void DrawPrintedGraphs(QPainter&, const std::array<QRect, 4>&, const TemRecord&, double,
                       const ColorSettings&) {}

}  // namespace vantiq

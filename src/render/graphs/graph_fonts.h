#pragma once

#include <QFont>

namespace vantiq {

// The three fonts of a graph, all of the "Arial" face (Liberation Sans
// stands in where Arial is missing), antialiased, with a character cell
// `height` pixels high and characters about two thirds as wide.
struct GraphFonts {
    QFont caption;  // the horizontal caption, heavy
    QFont side;     // the rotated caption, heavy; the painter turns it
    QFont label;    // tick labels, semi-bold

    explicit GraphFonts(int height);
};

// One graph font of cell height `height` and `weight` (1 … 1000).
QFont MakeGraphFont(int height, int weight);

}  // namespace vantiq

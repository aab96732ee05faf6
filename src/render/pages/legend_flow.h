#pragma once

#include <span>
#include <vector>

namespace vantiq {

// The spacing of a legend entry: the swatch's length, the gap after it and
// the gap after the text, in pixels.
struct LegendSpacing {
    int swatch = 24;
    int gap = 6;
    int after = 18;
};

// Where one legend entry goes: its row (0 first) and its left edge.
struct LegendSlot {
    int row = 0;
    int x = 0;
};

// Lays entries whose texts are `textWidths` pixels wide left to right from
// `left`, starting a new row where the next entry would pass `right`; an
// entry wider than the whole row still gets a row of its own.
std::vector<LegendSlot> FlowLegend(std::span<const int> textWidths, int left, int right,
                                   LegendSpacing spacing);

// The number of rows `places` fill (0 for none).
int LegendRows(std::span<const LegendSlot> places);

}  // namespace vantiq

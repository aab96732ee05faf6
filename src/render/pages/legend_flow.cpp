#include "render/pages/legend_flow.h"

namespace vantiq {

std::vector<LegendSlot> FlowLegend(std::span<const int> textWidths, int left, int right,
                                   LegendSpacing spacing) {
    std::vector<LegendSlot> places;
    LegendSlot next{0, left};
    for (const int text : textWidths) {
        const int entry = spacing.swatch + spacing.gap + text;
        if (next.x != left && next.x + entry > right) {
            next = {next.row + 1, left};
        }
        places.push_back(next);
        next.x += entry + spacing.after;
    }
    return places;
}

int LegendRows(std::span<const LegendSlot> places) {
    return places.empty() ? 0 : places.back().row + 1;
}

}  // namespace vantiq

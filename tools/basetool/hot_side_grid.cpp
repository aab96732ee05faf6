#include "basetool/hot_side_grid.h"

#include <algorithm>

#include "core/model/hot_side.h"
#include "core/model/rated_values.h"

namespace vantiq {
namespace {

constexpr int kLowestThot = static_cast<int>(kMinThot);
constexpr int kHighestThot = static_cast<int>(kMaxThot);
constexpr int kRoomThot = static_cast<int>(kDefaultThot);

std::string Run(int first, int last) {
    return first == last ? std::to_string(first) + " K"
                         : std::to_string(first) + "\u2013" + std::to_string(last) + " K";
}

}  // namespace

std::vector<int> HotSideGrid(int step) {
    std::vector<int> grid;
    for (int th = kLowestThot; th <= kHighestThot; th += std::max(step, 1)) {
        grid.push_back(th);
    }
    for (int th : {kRoomThot, kHighestThot}) {
        if (std::find(grid.begin(), grid.end(), th) == grid.end()) {
            grid.push_back(th);
        }
    }
    std::sort(grid.begin(), grid.end());
    return grid;
}

std::vector<int> UnderivableHotSides(const TemRecord& record, const std::vector<int>& grid) {
    std::vector<int> failed;
    for (int th : grid) {
        TemRecord copy = record;
        if (!DeriveRatedValues(copy, th)) {
            failed.push_back(th);
        }
    }
    return failed;
}

std::string FormatHotSides(const std::vector<int>& sides, const std::vector<int>& grid) {
    std::string text;
    auto position = [&grid](int th) { return std::find(grid.begin(), grid.end(), th); };
    for (std::size_t i = 0; i < sides.size();) {
        std::size_t last = i;
        while (last + 1 < sides.size() && position(sides[last + 1]) == position(sides[last]) + 1) {
            ++last;
        }
        text += (text.empty() ? "" : ", ") + Run(sides[i], sides[last]);
        i = last + 1;
    }
    return text;
}

}  // namespace vantiq

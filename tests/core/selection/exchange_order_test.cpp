#include "core/selection/exchange_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace vantiq {
namespace {

// The quadratic exchange sort, ascending, carrying each key's index along.
std::vector<std::size_t> Quadratic(std::vector<double> keys) {
    std::vector<std::size_t> rows(keys.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k] = k;
    }
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[j] < keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(rows[i], rows[j]);
            }
        }
    }
    return rows;
}

struct Shape {
    const char* name;
    int distinct;    // how many different keys
    bool reversed;   // keys laid out from the largest down
    bool oddValues;  // NaN and infinities among the keys
};

class ExchangeOrderTest : public ::testing::TestWithParam<Shape> {};

TEST_P(ExchangeOrderTest, MatchesTheQuadraticSortAtEverySize) {
    const Shape shape = GetParam();
    std::mt19937 random(7);
    const double odd[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity()};
    for (std::size_t size : {0u, 1u, 2u, 3u, 17u, 64u, 65u, 300u}) {
        std::vector<double> keys(size);
        for (double& key : keys) {
            key = static_cast<double>(random() % static_cast<unsigned>(shape.distinct));
            if (shape.oddValues && random() % 8 == 0) {
                key = odd[random() % 3];
            }
        }
        if (shape.reversed) {
            std::sort(keys.begin(), keys.end(), std::greater<>());
        }
        ASSERT_EQ(ExchangeOrder(keys), Quadratic(keys)) << "size " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, ExchangeOrderTest,
                         ::testing::Values(Shape{"AllEqual", 1, false, false},
                                           Shape{"FewTies", 4, false, false},
                                           Shape{"ManyValues", 1000, false, false},
                                           Shape{"ReversedWithTies", 5, true, false},
                                           Shape{"NaNAndInfinities", 6, false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantiq

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/selection/row_sort.h"

namespace vantiq {
namespace {

// A base of `rows` modules with the ties a real catalogue has: a handful of
// pellet counts, Qmax and Imax on a coarse grid, some names twice.
TemBase TiedBase(std::size_t rows) {
    std::mt19937 random(7);
    const std::uint32_t pellets[] = {17, 31, 49, 71, 127, 161, 199, 241};
    TemBase base;
    for (std::size_t i = 0; i < rows; ++i) {
        TemRecord r;
        std::snprintf(r.file.name.data(), r.file.name.size(), "VQ-%03u-%u", pellets[random() % 8],
                      static_cast<unsigned>(random() % 5000));
        r.file.pelletCount = pellets[random() % 8];
        r.rated.qmax = 0.5 * static_cast<double>(random() % 200);
        r.rated.imax = 0.1 * static_cast<double>(random() % 120);
        r.rated.umax = 0.1 * static_cast<double>(random() % 300);
        r.rated.derivable = true;
        base.records.push_back(r);
    }
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

template <std::size_t kRows>
void SortRowsOf(benchmark::State& state) {
    static const TemBase base = TiedBase(kRows);
    std::vector<std::string> rows;
    for (const auto& r : base.records) {
        rows.emplace_back(r.Name());
    }
    const auto key = static_cast<SortKey>(state.range(0));
    const auto order = static_cast<SortOrder>(state.range(1));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SortRows(base, rows, key, order));
    }
    state.SetLabel(kRows > 10000 ? "target: a few seconds" : "target: well under 1 s");
}

BENCHMARK_TEMPLATE(SortRowsOf, 10000)
    ->ArgNames({"key", "order"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
// A million rows, where sorting by exchanges took minutes for keys with ties.
BENCHMARK_TEMPLATE(SortRowsOf, 1000000)
    ->ArgNames({"key", "order"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantiq

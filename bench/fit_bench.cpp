// vantiq-fit-bench: fitting module constants to 10,000 rows of datasheet
// ratings, against deriving the same modules once in the same run; the fit
// may cost at most ten derivations a module.
//
//   vantiq-fit-bench

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <vector>

#include "core/fit/rating_fit.h"
#include "core/model/celsius.h"
#include "figure_table.h"
#include "module_generator.h"
#include "stopwatch.h"

namespace vantiq::bench {
namespace {

constexpr std::size_t kRows = 10000;
constexpr std::uint64_t kSeed = 20261208;
constexpr double kRatedThotC = 25.0;

// Rows as a datasheet gives them, without leg sizes: the generated modules'
// ratings as the program derives them.
std::vector<Ratings> RatingRows(std::vector<TemRecord> modules) {
    std::vector<Ratings> rows;
    for (TemRecord& m : modules) {
        if (DeriveRatedValues(m, kRatedThotC + kCelsiusOffset)) {
            rows.push_back({m.file.pelletCount, kRatedThotC, m.rated.imax, m.rated.umax,
                            -m.rated.dtMax, m.rated.qmax, m.file.width, m.file.length,
                            m.file.height});
        }
    }
    return rows;
}

void Run() {
    const std::vector<TemRecord> modules = test::GeneratedModules(kRows, kSeed);
    const std::vector<Ratings> rows = RatingRows(modules);
    std::vector<TemRecord> derived;
    const double derive = BestTiming(3, [&] {
                              derived = modules;
                              for (TemRecord& m : derived)
                                  DeriveRatedValues(m, kRatedThotC + kCelsiusOffset);
                          }).cpu;
    std::size_t refused = 0;
    const double fit = BestTiming(3, [&] {
                           refused = 0;
                           for (const Ratings& r : rows)
                               refused += !FitRatings(r).problem.empty();
                       }).cpu;
    if (refused > 0)
        throw std::runtime_error(std::to_string(refused) + " rows could not be fitted");
    FigureTable table;
    table.Section("Fitting datasheet ratings (baseline: deriving the modules once)", true);
    table.Share(std::to_string(rows.size()) + " rows, legs from the footprint", derive, fit, 10);
    char note[160];
    std::snprintf(note, sizeof note, "%.1f µs a fit, %.1f µs a derivation: %.1f derivations a fit",
                  fit / rows.size() * 1e6, derive / modules.size() * 1e6,
                  fit / rows.size() / (derive / modules.size()));
    table.Note(note);
    std::printf("\n%s\n", table.AllMet() ? "Every target met." : "Some target MISSED.");
}

}  // namespace
}  // namespace vantiq::bench

int main() {
    try {
        vantiq::bench::Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantiq-fit-bench: %s\n", e.what());
        return 2;
    }
    return 0;
}

#include "search_bench.h"

#include <cstdio>
#include <stdexcept>

#include "core/selection/record_filter.h"
#include "core/selection/search.h"
#include "stopwatch.h"

namespace vantiq::bench {
namespace {

constexpr int kSearchRepeats = 3;

// Q, dT and both supply values: the curve test applies, and the supply
// voltage is low enough for most modules to reach it.
SearchCriteria SupplyCriteria() {
    SearchCriteria c;
    c.requiredQ = 5.0;
    c.requiredDT = 30.0;
    c.supplyVoltage = 4.0;
    c.supplyCurrent = 8.0;
    return c;
}

// How many modules pass the tests before the curve test, which therefore runs.
std::size_t CurveTested(const TemBase& base, double th, const SearchCriteria& c) {
    SearchCriteria before;
    before.requiredQ = c.requiredQ;
    before.supplyVoltage = c.supplyVoltage;
    before.supplyCurrent = c.supplyCurrent;
    return RunSearchSequential(base, th, before).size();
}

}  // namespace

void BenchSearch(FigureTable& table, const TemBase& base, double th) {
    const SearchCriteria criteria = SupplyCriteria();
    std::vector<std::uint32_t> sequential;
    std::vector<std::uint32_t> fast;
    const double baseline = BestTiming(kSearchRepeats, [&] {
                                sequential = RunSearchSequential(base, th, criteria);
                            }).wall;
    const double program =
        BestTiming(kSearchRepeats, [&] { fast = RunSearch(base, th, criteria); }).wall;
    if (fast != sequential) {
        throw std::runtime_error("the search and the sequential search listed different rows");
    }
    table.Row("search, full curve test, supply mode (wall)", baseline, program, 10);
    char note[200];
    std::snprintf(note, sizeof note,
                  "Q 5 W, dT 30 K, 4 V, 8 A: %zu of %zu modules reach the curve test, %zu match; "
                  "baseline: the straightforward sequential search",
                  CurveTested(base, th, criteria), base.records.size(), sequential.size());
    table.Note(note);
}

}  // namespace vantiq::bench

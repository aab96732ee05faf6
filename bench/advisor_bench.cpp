#include "advisor_bench.h"

#include <cstdio>
#include <stdexcept>

#include "core/advisor/advice_order.h"
#include "core/advisor/advisor.h"
#include "core/model/base_derivation.h"
#include "stopwatch.h"

namespace vantiq::bench {
namespace {

constexpr int kAdvisorRepeats = 5;

// The example that made the advisor necessary: 20 W at 30 K from a 12 V,
// 6 A supply.
AdviceRequest FixedHotSide() {
    AdviceRequest request;
    request.criteria.requiredQ = 20.0;
    request.criteria.requiredDT = 30.0;
    request.criteria.supplyVoltage = 12.0;
    request.criteria.supplyCurrent = 6.0;
    return request;
}

// 20 W held at 10 °C in a 25 °C room by a 0.3 K/W sink, from a 24 V, 10 A
// supply, as few modules in series as work.
AdviceRequest SinkWithFewest() {
    AdviceRequest request;
    request.criteria.requiredQ = 20.0;
    request.criteria.supplyVoltage = 24.0;
    request.criteria.supplyCurrent = 10.0;
    request.sink = HeatSink{298.0, 0.3, 283.0};
    request.modules = AdviceRequest::kFewestModules;
    return request;
}

// The advice without the worker threads, for the baseline: every module's
// point, then the points in the list's order, as the advisor answers them.
std::size_t SequentialResults(const TemBase& base, double th, const AdviceRequest& request) {
    std::vector<OperatingPoint> points;
    for (std::size_t i = 0; i < base.records.size(); ++i) {
        const TemRecord& r = base.records[i];
        if (!CandidateExclusion(r, request)) {
            if (auto point = AdviseModule(r, static_cast<std::uint32_t>(i), th, request).point) {
                points.push_back(*point);
            }
        }
    }
    SortPoints(base, points, {});
    return points.size();
}

void BenchOne(FigureTable& table, const TemBase& base, double th, const AdviceRequest& request,
              const char* figure, double limit) {
    std::size_t sequential = 0;
    Advice advice;
    const double baseline = BestTiming(kAdvisorRepeats, [&] {
                                sequential = SequentialResults(base, th, request);
                            }).wall;
    const double program =
        BestTiming(kAdvisorRepeats, [&] { advice = RunAdvisor(base, th, request); }).wall;
    if (advice.points.size() != sequential) {
        throw std::runtime_error("the advisor and its sequential baseline disagree");
    }
    table.Parallel(figure, baseline, program, limit);
    char note[160];
    std::snprintf(note, sizeof note, "%s: %zu of %zu candidates carry the load", figure,
                  advice.points.size(), advice.candidates);
    table.Note(note);
}

// What the command line's list does before it prints: opens the catalogue,
// reads it and derives every module; the base stays open for the next run.
void OpenAndLoad(TemBase& base, const std::string& path, double th) {
    base = TemBase{};
    if (!OpenBase(base, path).ok()) {
        throw std::runtime_error("cannot open " + path);
    }
    if (!LoadBase(base, th).ok()) {
        throw std::runtime_error("cannot load " + path);
    }
}

}  // namespace

void BenchAdviceAgainstList(FigureTable& table, const std::string& path, double th) {
    TemBase base;
    const double list = BestTiming(kAdvisorRepeats, [&] { OpenAndLoad(base, path, th); }).wall;
    Advice advice;
    const double advise = BestTiming(kAdvisorRepeats, [&] {
                              OpenAndLoad(base, path, th);
                              advice = RunAdvisor(base, th, SinkWithFewest());
                          }).wall;
    table.Share("advise: heat sink, auto count, with the load", list, advise, 1.5);
    char note[160];
    std::snprintf(note, sizeof note,
                  "baseline: list, the open, read and derivation alone; %zu of %zu carry the load",
                  advice.points.size(), advice.candidates);
    table.Note(note);
}

void BenchAdvisor(FigureTable& table, const TemBase& base, double th) {
    BenchOne(table, base, th, FixedHotSide(), "operating points, fixed hot side (wall)", 0.010);
    BenchOne(table, base, th, SinkWithFewest(), "operating points, heat sink, auto count (wall)",
             0.100);
    table.Note("baseline: the same advice one module after the other on one thread");
}

}  // namespace vantiq::bench

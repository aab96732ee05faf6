// vantiq-stack-bench: the two-stage stack search on the sample catalogue and
// on a generated 3,000-module one, the pruned scan against going through
// every pair in the same run; then what pull-down times add to a listing of
// operating points or stacks, against the same listing without them.
//
//   vantiq-stack-bench [sample-catalogue]    (default data/Base.tmb)

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <thread>

#include "core/advisor/advice_table.h"
#include "core/advisor/advisor.h"
#include "core/advisor/pull_down.h"
#include "core/model/base_derivation.h"
#include "core/model/rated_values.h"
#include "core/stack/stack_order.h"
#include "core/stack/stack_pull_down.h"
#include "core/stack/stack_search.h"
#include "core/stack/stack_table.h"
#include "figure_table.h"
#include "module_generator.h"
#include "stopwatch.h"

namespace vantiq::bench {
namespace {

constexpr double kHotSide = 298.0;
constexpr std::size_t kGeneratedCount = 3000;
constexpr std::uint64_t kGeneratedSeed = 20261208;

// A camera sensor's 2 W held 80 K below a 25 °C hot side, past what one
// stage reaches, each stage on its own current from a 15 V, 6 A supply.
StackRequest CameraSensor() {
    StackRequest request;
    request.advice.criteria.requiredQ = 2.0;
    request.advice.criteria.requiredDT = 80.0;
    request.advice.criteria.supplyVoltage = 15.0;
    request.advice.criteria.supplyCurrent = 6.0;
    return request;
}

TemBase Sample(const std::string& path) {
    TemBase base;
    if (const Status opened = OpenBase(base, path); !opened.ok()) {
        throw std::runtime_error(path + ": " + opened.error().message);
    }
    if (const auto loaded = LoadBase(base, kHotSide); !loaded.ok()) {
        throw std::runtime_error(path + ": " + loaded.error().message);
    }
    return base;
}

TemBase Generated() {
    TemBase base;
    base.records = test::GeneratedModules(kGeneratedCount, kGeneratedSeed);
    for (auto& r : base.records) {
        DeriveRatedValues(r, kHotSide);
    }
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

// Times both scans of `request` over `base`, checks they agree and prints
// the row; the baseline runs once, being the slow one.
void BenchScans(FigureTable& table, const TemBase& base, const StackRequest& request,
                const std::string& figure, double limit) {
    StackAdvice every;
    StackAdvice pruned;
    const double baseline = BestTiming(1, [&] {
                                every = FindStacks(base, kHotSide, request, PairScan::EveryPair);
                            }).wall;
    const double fast =
        BestTiming(3, [&] { pruned = FindStacks(base, kHotSide, request, PairScan::Pruned); }).wall;
    if (every.stacks.size() != pruned.stacks.size()) {
        throw std::runtime_error("the pruned scan and the scan of every pair disagree");
    }
    for (std::size_t k = 0; k < every.stacks.size(); ++k) {
        if (every.stacks[k].bottom != pruned.stacks[k].bottom ||
            every.stacks[k].power != pruned.stacks[k].power) {
            throw std::runtime_error("the pruned scan and the scan of every pair disagree");
        }
    }
    table.Limit(figure, baseline, fast, limit);
    char note[160];
    std::snprintf(note, sizeof note, "%s: %zu of %zu top modules head a stack", figure.c_str(),
                  pruned.stacks.size(), pruned.candidates);
    table.Note(note);
}

// A listing as `advise` makes it, from the search to the CSV text, with
// pull-down times when the request has a cold mass.
std::size_t ListPoints(const TemBase& base, const AdviceRequest& request) {
    const Advice advice = RunAdvisor(base, kHotSide, request);
    if (!request.coldMass) {
        return AdviceCsv(base, advice.points).size();
    }
    const auto pullDowns = PointPullDowns(base, request, advice.points);
    return AdviceCsv(base, advice.points, &pullDowns).size();
}

std::size_t ListStacks(const TemBase& base, const StackRequest& request) {
    StackAdvice advice = FindStacks(base, kHotSide, request);
    SortStacks(base, advice.stacks, {});
    if (!request.advice.coldMass) {
        return StackCsv(base, advice.stacks).size();
    }
    const auto pullDowns = StackPullDowns(base, request, advice.stacks);
    return StackCsv(base, advice.stacks, &pullDowns).size();
}

// Times `list` without and with a cold mass of 200 J/K; the one with, which
// searches each row's fastest current, may cost at most three times the one
// without.
template <class Request, class List>
void BenchPullDown(FigureTable& table, const std::string& figure, Request request,
                   const List& list) {
    constexpr int kRepeats = 5;
    const double without = BestTiming(kRepeats, [&] { list(request); }).wall;
    request.coldMass = 200.0;
    const double with = BestTiming(kRepeats, [&] { list(request); }).wall;
    table.Share(figure, without, with, 3.0);
}

// A 5 W load 40 K below the hot side from a 12 V, 6 A supply, one module
// each or the fewest that work.
AdviceRequest ColdPlate(std::int32_t modules) {
    AdviceRequest request;
    request.criteria.requiredQ = 5.0;
    request.criteria.requiredDT = 40.0;
    request.criteria.supplyVoltage = 12.0;
    request.criteria.supplyCurrent = 6.0;
    request.modules = modules;
    return request;
}

void BenchPullDowns(FigureTable& table, const TemBase& sample, const TemBase& generated) {
    table.Section("Listings with pull-down times (baseline: the same listing without)", true);
    const auto points = [](const TemBase& base) {
        return [&base](const AdviceRequest& r) { ListPoints(base, r); };
    };
    BenchPullDown(table, "sample, 5 W at dT 40 K", ColdPlate(1), points(sample));
    BenchPullDown(table, "sample, the fewest modules", ColdPlate(AdviceRequest::kFewestModules),
                  points(sample));
    BenchPullDown(table, "generated, 5 W at dT 40 K", ColdPlate(1), points(generated));
    AdviceRequest sinked = ColdPlate(1);
    sinked.sink = HeatSink{kHotSide, 0.5, kHotSide - 30.0};
    BenchPullDown(table, "sample, under a heat sink", sinked, points(sample));
    const StackRequest camera = CameraSensor();
    for (const StageCurrents currents : {StageCurrents::Separate, StageCurrents::Shared}) {
        BenchPullDown(table,
                      currents == StageCurrents::Shared ? "sample stacks on one current"
                                                        : "sample stacks, 2 W at dT 80 K",
                      camera.advice, [&](const AdviceRequest& r) {
                          ListStacks(sample, {r, currents});
                      });
    }
}

void Run(const std::string& samplePath) {
    FigureTable table;
    std::printf("vantiq-stack-bench: %u hardware threads, hot side %.0f K\n",
                std::thread::hardware_concurrency(), kHotSide);
    const TemBase sample = Sample(samplePath);
    table.Section("Stacks for 2 W at dT 80 K from 15 V, 6 A (baseline: every pair)", true);
    BenchScans(table, sample, CameraSensor(),
               "sample (" + std::to_string(sample.records.size()) + " modules)", 1.0);
    const TemBase generated = Generated();
    BenchScans(table, generated, CameraSensor(), "generated (3000 modules)", 10.0);
    StackRequest shared = CameraSensor();
    shared.currents = StageCurrents::Shared;
    BenchScans(table, sample, shared, "sample, both stages on one current", 1.0);
    BenchPullDowns(table, sample, generated);
    std::printf("\n%s\n", table.AllMet() ? "Every target met." : "Some target MISSED.");
}

}  // namespace
}  // namespace vantiq::bench

int main(int argc, char** argv) {
    try {
        vantiq::bench::Run(argc > 1 ? argv[1] : "data/Base.tmb");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantiq-stack-bench: %s\n", e.what());
        return 2;
    }
    return 0;
}

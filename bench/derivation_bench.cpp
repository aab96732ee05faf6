#include "derivation_bench.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "core/model/base_derivation.h"
#include "core/model/fast_derivation.h"
#include "core/model/rated_values.h"
#include "core/parallel/parallel_for.h"
#include "stopwatch.h"

namespace vantiq::bench {
namespace {

constexpr std::size_t kReferenceSample = 500;
constexpr int kDerivationRepeats = 3;

// Keeps the optimiser from dropping derivations whose results go unused.
volatile double sink = 0.0;

void Consume(const std::optional<RatedValues>& v) {
    if (v) {
        sink = sink + v->dtMax;
    }
}

// Every how many modules the reference is timed, and on how many in all.
std::size_t ReferenceStride(std::size_t count) {
    return std::max<std::size_t>(1, count / kReferenceSample);
}

std::size_t ReferenceTimed(std::size_t count) {
    return (count + ReferenceStride(count) - 1) / ReferenceStride(count);
}

// The reference scan's time per module over an even spread of modules.
Timing ReferencePerModule(const std::vector<TemRecord>& modules, double th) {
    const std::size_t stride = ReferenceStride(modules.size());
    const std::size_t timed = ReferenceTimed(modules.size());
    const Timing t = BestTiming(kDerivationRepeats, [&] {
        for (std::size_t i = 0; i < modules.size(); i += stride) {
            Consume(DeriveReference(modules[i], th));
        }
    });
    const double n = static_cast<double>(timed);
    return {t.wall / n, t.cpu / n};
}

double FastOneCore(const std::vector<TemRecord>& modules, double th) {
    return BestTiming(kDerivationRepeats,
                      [&] {
                          for (const auto& m : modules) {
                              Consume(DeriveFast(m, th));
                          }
                      })
        .cpu;
}

double FastAllCores(const std::vector<TemRecord>& modules, double th) {
    std::vector<TemRecord> records = modules;
    return BestTiming(kDerivationRepeats,
                      [&] {
                          records = modules;
                          ParallelFor(records.size(),
                                      [&](std::size_t i) { DeriveRatedValues(records[i], th); });
                      })
        .wall;
}

double Load(const std::string& basePath, double th) {
    TemBase base;
    if (!OpenBase(base, basePath).ok()) {
        throw std::runtime_error("cannot open " + basePath);
    }
    return BestTiming(kDerivationRepeats, [&] { LoadBase(base, th); }).wall;
}

}  // namespace

double BenchDerivation(FigureTable& table, const std::vector<TemRecord>& modules, double th,
                       const std::string& basePath) {
    const double count = static_cast<double>(modules.size());
    const Timing perModule = ReferencePerModule(modules, th);
    const double referenceCpu = perModule.cpu * count;
    const double referenceWall = perModule.wall * count;
    table.Row("derivation, fast on one core (cpu)", referenceCpu, FastOneCore(modules, th), 50);
    table.Row("derivation, fast on all cores (wall)", referenceWall, FastAllCores(modules, th), 90);
    table.Row("load: read and derive, all cores (wall)", referenceWall, Load(basePath, th), 0);
    if (ReferenceTimed(modules.size()) < modules.size()) {
        char note[160];
        std::snprintf(note, sizeof note,
                      "baseline: the reference scan on one core, timed on %zu of %zu modules "
                      "and scaled per module",
                      ReferenceTimed(modules.size()), modules.size());
        table.Note(note);
    } else {
        table.Note("baseline: the reference scan on one core over every module");
    }
    return referenceWall;
}

}  // namespace vantiq::bench

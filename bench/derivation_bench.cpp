#include "derivation_bench.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "base/base_loader.h"
#include "model/fast_derivation.h"
#include "model/rated_values.h"
#include "parallel/parallel_for.h"
#include "stopwatch.h"

namespace vantiq::bench {
namespace {

constexpr std::size_t kReferenceSample = 500;
constexpr int kRepeats = 3;

// Keeps the optimiser from dropping derivations whose results go unused.
volatile double sink = 0.0;

void Consume(const std::optional<RatedValues>& v) {
    if (v) {
        sink = sink + v->dtMax;
    }
}

// Seconds per module of the reference scan over an even spread of modules.
double ReferencePerModule(const std::vector<TemRecord>& modules, double th) {
    const std::size_t stride = std::max<std::size_t>(1, modules.size() / kReferenceSample);
    std::size_t timed = 0;
    const double seconds = BestSeconds(1, [&] {
        for (std::size_t i = 0; i < modules.size(); i += stride, ++timed) {
            Consume(DeriveReference(modules[i], th));
        }
    });
    return seconds / static_cast<double>(timed);
}

double FastOneCore(const std::vector<TemRecord>& modules, double th) {
    return BestSeconds(kRepeats, [&] {
        for (const auto& m : modules) {
            Consume(DeriveFast(m, th));
        }
    });
}

double FastAllCores(const std::vector<TemRecord>& modules, double th) {
    std::vector<TemRecord> records = modules;
    return BestSeconds(kRepeats, [&] {
        records = modules;
        ParallelFor(records.size(), [&](std::size_t i) { DeriveRatedValues(records[i], th); });
    });
}

double Load(const std::string& basePath, double th) {
    TemBase base;
    if (OpenBase(base, basePath)) {
        throw std::runtime_error("cannot open " + basePath);
    }
    base.thot = th;
    return BestSeconds(kRepeats, [&] { LoadBase(base); });
}

}  // namespace

void BenchDerivation(FigureTable& table, const std::vector<TemRecord>& modules, double th,
                     const std::string& basePath) {
    const double count = static_cast<double>(modules.size());
    const double reference = ReferencePerModule(modules, th) * count;
    table.Row("derivation, fast on one core", reference, FastOneCore(modules, th), 50);
    table.Row("derivation, fast on all cores", reference, FastAllCores(modules, th), 90);
    table.Row("load (read and derive), all cores", reference, Load(basePath, th), 0);
    if (modules.size() > kReferenceSample) {
        char note[160];
        std::snprintf(note, sizeof note,
                      "baseline: the reference scan on one core, timed on %zu of %zu modules "
                      "and scaled per module",
                      std::min(modules.size(), kReferenceSample), modules.size());
        table.Note(note);
    } else {
        table.Note("baseline: the reference scan on one core over every module");
    }
}

}  // namespace vantiq::bench

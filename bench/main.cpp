// vantiq-bench: prints the speed of the fast derivation and of the search
// against the straightforward code they replace, on the sample
// catalogue and on a generated 10,000-module catalogue, the operating-point
// advisor on the generated one, then the time of the
// window program's graphs page and of a hot-side spin step.
//
// The Google Benchmark cases run after the tables.
//
//   vantiq-bench [--benchmark_...] [sample-catalogue]    (default data/Base.tmb)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include <unistd.h>

#include "advisor_bench.h"
#include "core/base/base_layout.h"
#include "core/base/base_loader.h"
#include "core/base/base_writer.h"
#include "core/model/rated_values.h"
#include "derivation_bench.h"
#include "figure_table.h"
#include "module_generator.h"
#include "search_bench.h"
#include "window_bench.h"

namespace vantiq::bench {
namespace {

constexpr std::size_t kGeneratedCount = 10000;
constexpr std::size_t kCommandLineCount = 30000;
constexpr std::uint64_t kGeneratedSeed = 20261207;
constexpr double kHotSide = 298.0;

// The records of the catalogue at `path` as read from the file, before any
// derivation.
std::vector<TemRecord> FileRecords(const std::string& path) {
    TemBase base;
    if (const Status opened = OpenBase(base, path); !opened.ok()) {
        throw std::runtime_error(path + ": " + opened.error().message);
    }
    std::vector<unsigned char> bytes(kEntrySize * std::size_t{base.count});
    if (!base.file.ReadAt(EntriesOffset(base.count), bytes.data(), bytes.size())) {
        throw std::runtime_error(path + ": cannot read the entries");
    }
    std::vector<TemRecord> records;
    for (std::size_t i = 0; i < base.count; ++i) {
        records.push_back(DecodeEntry(bytes.data() + i * kEntrySize));
    }
    return records;
}

// A base holding `records` derived at the benchmarks' hot side.
TemBase Derived(std::vector<TemRecord> records) {
    TemBase base;
    for (auto& r : records) {
        DeriveRatedValues(r, kHotSide);
    }
    base.records = std::move(records);
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

std::string WriteGenerated(const std::vector<TemRecord>& modules, const std::string& tag) {
    std::vector<CatalogueEntry> entries;
    for (const auto& m : modules) {
        entries.push_back({m, {}});
    }
    const auto path = (std::filesystem::temp_directory_path() /
                       ("vantiq-bench-" + std::to_string(::getpid()) + "-" + tag + ".tmb"))
                          .string();
    if (const Status written = WriteBase(path, entries); !written.ok()) {
        throw std::runtime_error(written.error().message);
    }
    return path;
}

void Run(const std::string& samplePath) {
    FigureTable table;
    std::printf("vantiq-bench: %u hardware threads, hot side %.0f K\n",
                std::thread::hardware_concurrency(), kHotSide);
    const auto sample = FileRecords(samplePath);
    table.Section("Sample catalogue " + samplePath + " (" + std::to_string(sample.size()) +
                      " modules; the targets are set for 10,000)",
                  false);
    BenchDerivation(table, sample, kHotSide, samplePath);
    BenchSearch(table, Derived(sample), kHotSide);

    const auto generated = test::GeneratedModules(kGeneratedCount, kGeneratedSeed);
    const auto generatedPath = WriteGenerated(generated, "window");
    table.Section(
        "Generated catalogue (10000 modules, seed " + std::to_string(kGeneratedSeed) + ")", true);
    const double referenceReload = BenchDerivation(table, generated, kHotSide, generatedPath);
    const TemBase derived = Derived(generated);
    BenchSearch(table, derived, kHotSide);
    BenchAdvisor(table, derived, kHotSide);
    const auto largerPath =
        WriteGenerated(test::GeneratedModules(kCommandLineCount, kGeneratedSeed), "cli");
    table.Section("Command line on a generated catalogue (30000 modules, seed " +
                      std::to_string(kGeneratedSeed) + ")",
                  true);
    BenchAdviceAgainstList(table, largerPath, kHotSide);
    std::filesystem::remove(largerPath);
    table.Section(
        "Window program, offscreen (graphs of the sample's modules, spin on the "
        "generated catalogue)",
        true);
    BenchWindow(table, sample, generatedPath, referenceReload);
    std::filesystem::remove(generatedPath);
    std::printf("\n%s\n", table.AllMet() ? "Every target met." : "Some target MISSED.");
}

}  // namespace
}  // namespace vantiq::bench

int main(int argc, char** argv) {
    // Takes the --benchmark_* options out of the arguments first.
    benchmark::Initialize(&argc, argv);
    try {
        vantiq::bench::Run(argc > 1 ? argv[1] : "data/Base.tmb");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantiq-bench: %s\n", e.what());
        return 2;
    }
    std::printf("\n");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

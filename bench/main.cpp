// vantiq-bench: prints the speed of the fast derivation (and the fast
// search) against the straightforward code they replace, on the sample
// catalogue and on a generated 10,000-module catalogue.
//
//   vantiq-bench [sample-catalogue]     (default data/Base.tmb)

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include <unistd.h>

#include "base/base_layout.h"
#include "base/base_loader.h"
#include "base/base_writer.h"
#include "derivation_bench.h"
#include "figure_table.h"
#include "module_generator.h"

namespace vantiq::bench {
namespace {

constexpr std::size_t kGeneratedCount = 10000;
constexpr std::uint64_t kGeneratedSeed = 20261207;
constexpr double kHotSide = 298.0;

// The records of the catalogue at `path` as read from the file, before any
// derivation.
std::vector<TemRecord> FileRecords(const std::string& path) {
    TemBase base;
    if (const auto error = OpenBase(base, path)) {
        throw std::runtime_error(path + ": " + error->message);
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

std::string WriteGenerated(const std::vector<TemRecord>& modules) {
    std::vector<CatalogueEntry> entries;
    for (const auto& m : modules) {
        entries.push_back({m, {}});
    }
    const auto path = (std::filesystem::temp_directory_path() /
                       ("vantiq-bench-" + std::to_string(::getpid()) + ".tmb"))
                          .string();
    if (const auto error = WriteBase(path, entries)) {
        throw std::runtime_error(*error);
    }
    return path;
}

int Run(const std::string& samplePath) {
    FigureTable table;
    std::printf("vantiq-bench: %u hardware threads, hot side %.0f K\n",
                std::thread::hardware_concurrency(), kHotSide);
    const auto sample = FileRecords(samplePath);
    table.Section("Sample catalogue " + samplePath + " (" + std::to_string(sample.size()) +
                  " modules)");
    BenchDerivation(table, sample, kHotSide, samplePath);

    const auto generated = test::GeneratedModules(kGeneratedCount, kGeneratedSeed);
    const auto generatedPath = WriteGenerated(generated);
    table.Section("Generated catalogue (10000 modules, seed " + std::to_string(kGeneratedSeed) +
                  ")");
    BenchDerivation(table, generated, kHotSide, generatedPath);
    std::filesystem::remove(generatedPath);
    return table.AllMet() ? 0 : 1;
}

}  // namespace
}  // namespace vantiq::bench

int main(int argc, char** argv) {
    try {
        return vantiq::bench::Run(argc > 1 ? argv[1] : "data/Base.tmb");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantiq-bench: %s\n", e.what());
        return 2;
    }
}

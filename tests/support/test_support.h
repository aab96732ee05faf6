#pragma once

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "core/base/base_writer.h"
#include "core/base/tem_base.h"
#include "core/base/tem_record.h"
#include "sample_base.h"

namespace vantiq::test {

// The hot side most model tests work at (K): 25 °C.
constexpr double kTh = 298.0;
constexpr double kInf = std::numeric_limits<double>::infinity();

// The message of a failed result, or "" for a success, so that a test states
// the whole outcome as one text.
template <typename Outcome>
std::string ErrorText(const Outcome& outcome) {
    return outcome.ok() ? std::string() : outcome.error().message;
}

// A module with the constants of the model's worked example: 127 couples of
// 1.4 mm square, 1.6 mm long legs, σ = 1e5 S/m, α = 2e-4 V/K, κ = 1.5 W/(m·K),
// nominal current 6 A.
TemRecord WorkedExampleModule(const std::string& name = "EX-127");

// A base of `count` generated modules (GeneratedModules with `seed`) and the
// worked example last, every one derived at the hot side `thot` (K).
TemBase GeneratedBase(std::size_t count, std::uint64_t seed, double thot);

// A directory of its own under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// For the rest of a scope the current folder is `folder` and the user's
// data folder is `folder`/data/Kestrin/Vantiq: the places a program looks
// for its catalogue when none is named, away from the real ones.
class CatalogueSearchScope {
public:
    explicit CatalogueSearchScope(const std::filesystem::path& folder);
    ~CatalogueSearchScope();
    CatalogueSearchScope(const CatalogueSearchScope&) = delete;
    CatalogueSearchScope& operator=(const CatalogueSearchScope&) = delete;

private:
    std::filesystem::path previous_;
};

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::string& path);

// Writes a catalogue of `entries` to `path` and returns the path.
std::string WriteCatalogue(const std::string& path, const std::vector<CatalogueEntry>& entries);

}  // namespace vantiq::test

#include "test_support.h"

#include "core/base/file_bytes.h"
#include "core/base/utf8_path.h"
#include "core/model/rated_values.h"
#include "module_generator.h"

#include <atomic>
#include <cstring>
#include <fstream>
#include <stdexcept>

#ifdef _WIN32
#include <process.h>
#include <stdlib.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace vantiq::test {

TemRecord WorkedExampleModule(const std::string& name) {
    TemRecord r;
    std::strncpy(r.file.name.data(), name.c_str(), r.file.name.size() - 1);
    r.file.nominalCurrent = 6.0;
    r.file.pelletCount = 127;
    r.file.pelletLength = 0.0016;
    r.file.pelletSide = 0.0014;
    r.file.width = 40.0;
    r.file.length = 40.0;
    r.file.height = 3.8;
    r.file.electricalConductivity = 100000.0;
    r.file.seebeckCoefficient = 0.0002;
    r.file.thermalConductivity = 1.5;
    return r;
}

TempDir::TempDir() {
    static std::atomic<int> serial{0};
    path_ = std::filesystem::temp_directory_path() /
            ("vantiq-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

CatalogueSearchScope::CatalogueSearchScope(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
#ifdef _WIN32
    _putenv_s("APPDATA", (folder / "data").string().c_str());
#else
    ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
#endif
}

CatalogueSearchScope::~CatalogueSearchScope() {
    std::filesystem::current_path(previous_);
#ifdef _WIN32
    _putenv_s("APPDATA", "");
#else
    ::unsetenv("XDG_DATA_HOME");
#endif
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    return ReadFileBytes(Utf8Path(path)).value_or(std::vector<unsigned char>());
}

std::string WriteCatalogue(const std::string& path, const std::vector<CatalogueEntry>& entries) {
    if (const Status written = WriteBase(path, entries); !written.ok()) {
        throw std::runtime_error(written.error().message);
    }
    return path;
}

TemBase GeneratedBase(std::size_t count, std::uint64_t seed, double thot) {
    TemBase base;
    base.records = GeneratedModules(count, seed);
    base.records.push_back(WorkedExampleModule());
    for (auto& r : base.records) {
        DeriveRatedValues(r, thot);
    }
    base.count = static_cast<std::uint32_t>(base.records.size());
    return base;
}

}  // namespace vantiq::test

#include "sample_base.h"

#include <filesystem>
#include <memory>

#include "test_support.h"

namespace vantiq::test {

const char* SampleBaseCopy() {
    static const auto dir = std::make_unique<TempDir>();
    static const std::string copy = [] {
        const auto path = dir->File("Base.tmb");
        std::filesystem::copy_file(VANTIQ_SAMPLE_BASE_FILE, path);
        return path;
    }();
    return copy.c_str();
}

}  // namespace vantiq::test

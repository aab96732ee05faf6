// libFuzzer entry point: every input is the file that stores the curve colours.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "settings_exercise.h"

namespace {

const std::filesystem::path& Scratch() {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("vantiq-settings-fuzz-" + std::to_string(getpid()));
    return folder;
}

void RemoveScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(Scratch(), ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::atexit(RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault =
        vantiq::ExerciseSettingsStore({reinterpret_cast<const char*>(data), size}, Scratch());
    if (!fault.empty()) {
        std::fprintf(stderr, "fault: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}

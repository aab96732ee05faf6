// libFuzzer entry point: every input is a catalogue file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "catalogue_exercise.h"

namespace {

// Each module's derivation scans 200 currents at 4000 temperatures; loading
// only small bases keeps thousands of runs per minute while open, picture
// reading and the header checks still see every size.
constexpr std::uint32_t kMaxLoadedCount = 2;

// The reader takes a path and locks the file it opens, so the input goes
// into an in-memory file that is reopened through /proc like any other.
const std::string& InputPath() {
    static const std::string path = [] {
        const int fd = memfd_create("Base.tmb", MFD_CLOEXEC);
        if (fd < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        return "/proc/self/fd/" + std::to_string(fd);
    }();
    return path;
}

void WriteInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror("writing the input");
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WriteInput(data, size);
    const vantiq::ExerciseReport report = vantiq::ExerciseCatalogue(InputPath(), kMaxLoadedCount);
    if (!report.fault.empty()) {
        std::fprintf(stderr, "catalogue reader fault: %s\n", report.fault.c_str());
        std::abort();
    }
    return 0;
}

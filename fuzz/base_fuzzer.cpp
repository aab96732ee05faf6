// libFuzzer entry point: every input is a catalogue file, and its bytes are
// also taken as text in both encodings.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "catalogue_exercise.h"
#include "text_exercise.h"

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

void Check(const std::string& fault) {
    if (!fault.empty()) {
        std::fprintf(stderr, "fault: %s\n", fault.c_str());
        std::abort();
    }
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
    Check(vantiq::ExerciseCatalogue(InputPath(), kMaxLoadedCount).fault);
    Check(vantiq::ExerciseText({reinterpret_cast<const char*>(data), size}));
    return 0;
}

// libFuzzer entry point: every input is the text of a catalogue source.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "csv_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault =
        vantiq::ExerciseCatalogueCsv({reinterpret_cast<const char*>(data), size});
    if (!fault.empty()) {
        std::fprintf(stderr, "fault: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}

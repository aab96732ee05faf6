#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/base/catalogue_reader.h"

namespace vantiq {

// One problem of a catalogue file.
struct CheckFinding {
    std::string text;      // names the module by index and name where there is one
    bool refused = false;  // the program would not load the file
};

struct CheckSettings {
    std::vector<int> hotSides;  // K, where every module must be derivable
    std::function<bool(const std::vector<unsigned char>&)> decodes;  // picture → is an image
};

// "module 3 'VQ-127-1.4-1.60'", with the name decoded from Windows-1251.
std::string ModuleLabel(const StoredCatalogue& catalogue, std::uint32_t index);

// Every problem of the file: a damaged header or size; names without their
// NUL or used twice; constants and sizes outside physical ranges; modules
// not derivable at every hot side of `settings`;
// pictures that reach beyond the file or do not decode; bytes past the last
// picture. In module order, the bytes past the pictures last.
std::vector<CheckFinding> CheckCatalogue(const StoredCatalogue& catalogue,
                                         const CheckSettings& settings);

}  // namespace vantiq

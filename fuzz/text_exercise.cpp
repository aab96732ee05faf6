#include "text_exercise.h"

#include <algorithm>

#include "core/base/cp1251.h"

namespace vantiq {

std::string ExerciseText(std::string_view bytes) {
    const std::string utf8 = Cp1251ToUtf8(bytes);
    const auto back = Utf8ToCp1251(utf8);
    const bool unassigned = bytes.find('\x98') != std::string_view::npos;
    if (back ? *back != bytes : !unassigned) {
        return "decoded Windows-1251 text did not encode back to its bytes";
    }
    const auto encoded = Utf8ToCp1251(bytes);
    if (encoded && (encoded->size() > bytes.size() || Cp1251ToUtf8(*encoded) != bytes)) {
        return "encoded text did not decode back to itself";
    }
    return {};
}

}  // namespace vantiq

#include "core/base/file_fields.h"

#include <cstring>

namespace vantiq {

std::string_view FileFields::Name() const {
    const void* nul = std::memchr(name.data(), '\0', name.size());
    const auto length = nul ? static_cast<const char*>(nul) - name.data() : name.size();
    return {name.data(), static_cast<std::size_t>(length)};
}

}  // namespace vantiq

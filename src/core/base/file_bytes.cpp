#include "core/base/file_bytes.h"

#include <fstream>

namespace vantiq {

std::optional<std::vector<unsigned char>> ReadFileBytes(const std::filesystem::path& path) {
    // A folder opens as a stream too, and tells a size of no meaning.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || !in.seekg(0)) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace vantiq

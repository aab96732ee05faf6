#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace vantiq {

// The whole of a plain file in one read, or nothing when it is no plain file
// or cannot be read to its end.
std::optional<std::vector<unsigned char>> ReadFileBytes(const std::filesystem::path& path);

}  // namespace vantiq

#include "core/base/base_file.h"

#include <utility>

// The system calls are in base_file_posix.cpp and base_file_windows.cpp.
namespace vantiq {

BaseFile::~BaseFile() {
    Close();
}

BaseFile::BaseFile(BaseFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)), size_(std::exchange(other.size_, 0)) {}

BaseFile& BaseFile::operator=(BaseFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, kNoHandle);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

}  // namespace vantiq

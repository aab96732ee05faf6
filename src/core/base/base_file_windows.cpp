#include <windows.h>

#include <limits>

#include "core/base/base_file.h"
#include "core/base/wide_text.h"

namespace vantiq {

const BaseFile::Handle BaseFile::kNoHandle = INVALID_HANDLE_VALUE;

void BaseFile::Close() {
    if (handle_ != kNoHandle) {
        CloseHandle(handle_);
        handle_ = kNoHandle;
    }
}

namespace {

// A disk file opened for reading with `share`; INVALID_HANDLE_VALUE when it
// cannot be, or is not a file on a disk.
HANDLE OpenWithShare(const std::string& path, DWORD share, LARGE_INTEGER& size) {
    HANDLE handle = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, share, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return handle;
    }
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileSizeEx(handle, &size)) {
        CloseHandle(handle);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

}  // namespace

std::optional<BaseFile> BaseFile::OpenExclusive(const std::string& path) {
    // Share mode 0: every other open of the file fails while this one is
    // held, and this one fails while another process holds the file.
    LARGE_INTEGER size{};
    HANDLE handle = OpenWithShare(path, 0, size);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return BaseFile(handle, static_cast<std::uint64_t>(size.QuadPart));
}

std::optional<BaseFile> BaseFile::OpenShared(const std::string& path) {
    // Other readers may open the file too; a writer, or an exclusive holder,
    // may not, and this open fails while either has it.
    LARGE_INTEGER size{};
    HANDLE handle = OpenWithShare(path, FILE_SHARE_READ, size);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return BaseFile(handle, static_cast<std::uint64_t>(size.QuadPart));
}

bool BaseFile::Exists(const std::string& path) {
    return GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool BaseFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    if (handle_ == kNoHandle || offset > size_ || count > size_ - offset) {
        return false;
    }
    auto* out = static_cast<char*>(buffer);
    while (count > 0) {
        // Each read names its own offset in the OVERLAPPED block, so readers
        // never depend on the shared file pointer; ReadFile takes at most
        // 4 GB - 1 at once.
        const DWORD chunk = static_cast<DWORD>(
            count < std::numeric_limits<DWORD>::max() ? count : std::numeric_limits<DWORD>::max());
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        if (!ReadFile(handle_, out, chunk, &got, &at) || got == 0) {
            return false;
        }
        out += got;
        offset += got;
        count -= got;
    }
    return true;
}

}  // namespace vantiq

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/base/base_file.h"

namespace vantiq {

const BaseFile::Handle BaseFile::kNoHandle = -1;

void BaseFile::Close() {
    if (handle_ >= 0) {
        ::close(handle_);  // closing the descriptor also drops its lock
        handle_ = kNoHandle;
    }
}

namespace {

struct LockedFile {
    int fd;
    std::uint64_t size;
};

// `lock` is LOCK_EX or LOCK_SH.
std::optional<LockedFile> OpenLocked(const std::string& path, int lock) {
    // Without O_NONBLOCK a pipe with no writer would block the open forever;
    // for the regular files that pass the check below it changes nothing.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    // The lock is advisory and taken without waiting: a second holder fails
    // at once instead of blocking the program's start.
    struct stat info {};
    if (::flock(fd, lock | LOCK_NB) != 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return LockedFile{fd, static_cast<std::uint64_t>(info.st_size)};
}

}  // namespace

std::optional<BaseFile> BaseFile::OpenExclusive(const std::string& path) {
    const auto file = OpenLocked(path, LOCK_EX);
    return file ? std::optional<BaseFile>(BaseFile(file->fd, file->size)) : std::nullopt;
}

std::optional<BaseFile> BaseFile::OpenShared(const std::string& path) {
    const auto file = OpenLocked(path, LOCK_SH);
    return file ? std::optional<BaseFile>(BaseFile(file->fd, file->size)) : std::nullopt;
}

bool BaseFile::Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool BaseFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    if (handle_ < 0 || offset > size_ || count > size_ - offset) {
        return false;
    }
    auto* out = static_cast<char*>(buffer);
    while (count > 0) {
        const ssize_t got = ::pread(handle_, out, count, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        out += got;
        offset += static_cast<std::uint64_t>(got);
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace vantiq

#include "core/base/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/base/safe_text.h"

namespace vantiq {
namespace {

Error Failure(const std::string& path, int error) {
    return Error{"Cannot write " + EscapeControls(path) + ": " + std::strerror(error)};
}

// The permissions the replacement gets: those of the file it replaces, so
// that replacing never widens or narrows who may read it; for a new file
// what creating it directly would have given.
mode_t ReplacementMode(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes everything to `fd` and makes it durable; the errno of the first
// failure, or 0.
int WriteAll(int fd, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno != EINTR) {
            return errno;
        }
        done += written > 0 ? static_cast<std::size_t>(written) : 0;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

Status ReplaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return Failure(path, errno);
    }
    int error = ::fchmod(fd, ReplacementMode(path)) == 0 ? 0 : errno;
    if (error == 0) {
        error = WriteAll(fd, bytes);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(path, error);
    }
    return {};
}

}  // namespace vantiq

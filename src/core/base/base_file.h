#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vantiq {

// A read-only catalogue file held for as long as the object lives, either
// shared (readers: the window and the tools reading a catalogue) or
// exclusively (a writer about to replace it): any number of shared holds
// coexist, while an exclusive one and any other hold of the same file, from
// this or another process, exclude each other. Reads are positioned (they never move a shared
// cursor), so several readers may use one open file. Paths are UTF-8 on
// every system.
class BaseFile {
public:
#ifdef _WIN32
    using Handle = void*;  // a Windows HANDLE
#else
    using Handle = int;  // a file descriptor
#endif

    BaseFile() = default;
    ~BaseFile();
    BaseFile(BaseFile&& other) noexcept;
    BaseFile& operator=(BaseFile&& other) noexcept;
    BaseFile(const BaseFile&) = delete;
    BaseFile& operator=(const BaseFile&) = delete;

    // Opens and locks the file exclusively; nullopt when it is missing,
    // unreadable, held by another open, or not a regular file (a folder,
    // device or pipe).
    static std::optional<BaseFile> OpenExclusive(const std::string& path);

    // Opens the file under a shared lock, as above; nullopt also when it is
    // held exclusively.
    static std::optional<BaseFile> OpenShared(const std::string& path);

    // True when something (a file, a folder, ...) is at `path`, held or not.
    static bool Exists(const std::string& path);

    std::uint64_t Size() const {
        return size_;
    }

    // Reads exactly `count` bytes at `offset`; false when the file ends
    // first or the read fails.
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const;

private:
    static const Handle kNoHandle;

    explicit BaseFile(Handle handle, std::uint64_t size) : handle_(handle), size_(size) {}
    void Close();

    Handle handle_ = kNoHandle;
    std::uint64_t size_ = 0;
};

}  // namespace vantiq

#include <windows.h>

#include <algorithm>
#include <string>

#include "core/base/file_replace.h"
#include "core/base/safe_text.h"
#include "core/base/wide_text.h"

namespace vantiq {
namespace {

Error Failure(const std::string& path, DWORD error) {
    return Error{"Cannot write " + EscapeControls(path) + ": system error " +
                 std::to_string(error)};
}

// Writes everything to `file` and makes it durable; the first failure's code,
// or 0.
DWORD WriteAll(HANDLE file, const std::vector<unsigned char>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1u << 30);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, static_cast<DWORD>(chunk), &written, nullptr)) {
            return GetLastError();
        }
        done += written;
    }
    return FlushFileBuffers(file) ? 0 : GetLastError();
}

}  // namespace

Status ReplaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes) {
    const std::wstring target = Utf8ToWide(path);
    const std::wstring temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Failure(path, GetLastError());
    }
    DWORD error = WriteAll(file, bytes);
    CloseHandle(file);
    // MoveFileExW replaces a file already at `path` in one step, and refuses
    // a folder there, which leaves that folder as it was.
    if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
    }
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        return Failure(path, error);
    }
    return {};
}

}  // namespace vantiq

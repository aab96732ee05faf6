#include "core/base/data_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include "core/base/wide_text.h"
#endif

namespace vantiq {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';

std::string Environment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value ? WideToUtf8(value) : std::string();
}
#else
constexpr char kSeparator = '/';

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}
#endif

bool IsSeparator(char c) {
    return c == '/' || c == kSeparator;
}

// The folder above `folder`, or empty at a root.
std::string ParentFolder(std::string folder) {
    while (folder.size() > 1 && IsSeparator(folder.back())) {
        folder.pop_back();
    }
    const auto cut = folder.find_last_of(std::string("/") + kSeparator);
    return cut == std::string::npos || cut == 0 ? std::string() : folder.substr(0, cut);
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || IsSeparator(folder.back())) {
        return folder + name;
    }
    return folder + kSeparator + name;
}

std::string InstalledDataFolder(const std::string& executableFolder) {
#ifdef _WIN32
    return executableFolder;
#else
    const std::string prefix = ParentFolder(executableFolder);
    return prefix.empty() ? prefix : JoinPath(JoinPath(prefix, "share"), "vantiq");
#endif
}

#ifdef _WIN32

std::string CurrentFolder() {
    std::error_code error;
    const std::wstring folder = std::filesystem::current_path(error).wstring();
    return error ? std::string() : WideToUtf8(folder);
}

std::string UserDataFolder() {
    const std::string roaming = Environment(L"APPDATA");
    return roaming.empty() ? roaming : JoinPath(JoinPath(roaming, "Kestrin"), "Vantiq");
}

std::string ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (size == 0) {
            return {};
        }
        if (size < path.size()) {
            path.resize(size);
            return ParentFolder(WideToUtf8(path));
        }
        path.resize(path.size() * 2);
    }
}

#else

std::string CurrentFolder() {
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).string();
    return error ? std::string() : folder;
}

std::string UserDataFolder() {
    // A relative XDG_DATA_HOME is invalid and ignored, as Qt does.
    std::string data = Environment("XDG_DATA_HOME");
    if (data.empty() || data.front() != '/') {
        const std::string home = Environment("HOME");
        if (home.empty()) {
            return {};
        }
        data = JoinPath(JoinPath(home, ".local"), "share");
    }
    return JoinPath(JoinPath(data, "Kestrin"), "Vantiq");
}

std::string ExecutableFolder() {
    std::error_code error;
    const std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    return error ? std::string() : ParentFolder(path);
}

#endif

}  // namespace vantiq

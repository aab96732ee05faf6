#pragma once

#include <string>

namespace vantiq {

// The folders the programs look for their catalogue in, found without Qt so
// that the command-line tools agree with the window program. All are UTF-8;
// each is empty when the system cannot tell.

// The current folder as an absolute path.
std::string CurrentFolder();

// The user's data folder for Vantiq, the one Qt calls AppDataLocation for
// organisation "Kestrin" and application "Vantiq": $XDG_DATA_HOME (or
// ~/.local/share) + /Kestrin/Vantiq, or %APPDATA%\Kestrin\Vantiq on Windows.
std::string UserDataFolder();

// The folder that holds the running program.
std::string ExecutableFolder();

// share/vantiq of the installation whose bin/ folder is `executableFolder`,
// so that a moved installation still finds its own data. On Windows, where a
// program's unpacked folder holds its data beside it, `executableFolder`
// itself.
std::string InstalledDataFolder(const std::string& executableFolder);

// `folder` and `name` with one separator between them.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vantiq

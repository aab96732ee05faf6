#include "common/utf8_arguments.h"

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs the declarations of windows.h first.
#include <shellapi.h>

#include "core/base/wide_text.h"
#endif

namespace vantiq {

#ifdef _WIN32

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return {argv + 1, argv + argc};
    }
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
        args.push_back(WideToUtf8(wide[i]));
    }
    LocalFree(wide);
    return args;
}

#else

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

#endif

}  // namespace vantiq

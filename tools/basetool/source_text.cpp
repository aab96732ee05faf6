#include "basetool/source_text.h"

#include <fstream>
#include <sstream>

#include "core/base/safe_text.h"

namespace vantiq {

Result<std::string> ReadSourceText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (!in) {
        return Error{"cannot read " + EscapeControls(path)};
    }
    return buffer.str();
}

}  // namespace vantiq

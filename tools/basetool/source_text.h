#pragma once

#include <string>

#include "core/base/result.h"

namespace vantiq {

// The whole of the source file at `path`; "cannot read PATH" when it cannot.
Result<std::string> ReadSourceText(const std::string& path);

}  // namespace vantiq

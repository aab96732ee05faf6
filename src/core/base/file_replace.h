#pragma once

#include <string>
#include <vector>

#include "core/base/result.h"

namespace vantiq {

// Writes `bytes` to `path` through a temporary file in the same folder, which
// replaces the file at `path` only once it is complete and on disk, with that
// file's permissions (or the usual ones for a new file). On any failure (a
// full disk, a folder that cannot be written or does not exist, a folder at
// `path`) the file at `path` is left as it was, the temporary file is
// removed, and the result is "Cannot write PATH: REASON" with the system's
// reason.
Status ReplaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace vantiq

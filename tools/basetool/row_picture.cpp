#include "basetool/row_picture.h"

#include <utility>

#include "core/base/cp1251.h"
#include "core/base/file_bytes.h"
#include "core/base/safe_text.h"

namespace vantiq {
namespace {

namespace fs = std::filesystem;

// A name that cannot be a plain file name (a separator, "." or "..") never
// finds a picture by itself.
std::optional<fs::path> PictureByName(const fs::path& dir, const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
        return std::nullopt;
    }
    for (const char* extension : kPictureExtensions) {
        const fs::path candidate = dir / (name + "." + extension);
        std::error_code ignored;
        if (fs::is_regular_file(candidate, ignored)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace

Result<std::vector<unsigned char>> ReadRowPicture(const CatalogueRow& row,
                                                  const std::optional<fs::path>& dir) {
    if (!dir) {
        if (!row.pictureFile.empty()) {
            return Error{"picture '" + EscapeControls(row.pictureFile) +
                         "' is named but no --pictures folder is given"};
        }
        return std::vector<unsigned char>();
    }
    std::optional<fs::path> path;
    if (!row.pictureFile.empty()) {
        path = *dir / row.pictureFile;
    } else {
        path = PictureByName(*dir, Cp1251ToUtf8(row.entry.record.Name()));
    }
    if (!path) {
        return std::vector<unsigned char>();
    }
    auto picture = ReadFileBytes(*path);
    if (!picture) {
        return Error{"cannot read the picture " + EscapeControls(path->string())};
    }
    return std::move(*picture);
}

}  // namespace vantiq

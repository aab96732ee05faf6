#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "basetool/catalogue_csv.h"
#include "core/base/result.h"

namespace vantiq {

// Extensions tried, in this order, for a row whose picture column is empty.
inline constexpr const char* kPictureExtensions[] = {"png", "jpg", "bmp"};

// The picture of one catalogue row: the file its picture column names in
// `dir`, or, when the column is empty, the first of `<name>.png`, `.jpg`,
// `.bmp` in `dir` (the name as a UTF-8 file name); empty when there is none.
// Without `dir` only an empty column is allowed and nothing is read. The
// error does not name the row.
Result<std::vector<unsigned char>> ReadRowPicture(const CatalogueRow& row,
                                                  const std::optional<std::filesystem::path>& dir);

}  // namespace vantiq

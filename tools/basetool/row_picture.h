#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "basetool/catalogue_csv.h"

namespace vantiq {

// Extensions tried, in this order, for a row whose picture column is empty.
inline constexpr const char* kPictureExtensions[] = {"png", "jpg", "bmp"};

// Reads the picture of one catalogue row into `picture`: the file its
// picture column names in `dir`, or, when the column is empty, the first of
// `<name>.png`, `.jpg`, `.bmp` in `dir` (the name as a UTF-8 file name).
// Without `dir` only an empty column is allowed and nothing is read. Returns
// an error text (without the row number), or empty.
std::string ReadRowPicture(const CatalogueRow& row, const std::optional<std::filesystem::path>& dir,
                           std::vector<unsigned char>& picture);

}  // namespace vantiq

#pragma once

#include <vector>

namespace vantiq {

// The file name extension for an encoded picture, told by its first bytes:
// "png", "jpg", "bmp", "gif", or "bin" for anything else.
const char* PictureExtension(const std::vector<unsigned char>& bytes);

// True when Qt decodes `bytes` as an image.
bool PictureDecodes(const std::vector<unsigned char>& bytes);

}  // namespace vantiq

#pragma once

#include <vector>

namespace vantiq {

// The file name extension for an encoded picture, told by its first bytes:
// "png", "jpg", "bmp", "gif", "tif", "ico", or "bin" for anything else.
const char* PictureExtension(const std::vector<unsigned char>& bytes);

// True when `bytes` decode as the window would decode them: one of the
// formats a catalogue may hold, within the pixel limit.
bool PictureDecodes(const std::vector<unsigned char>& bytes);

}  // namespace vantiq

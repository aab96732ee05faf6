#pragma once

#include <vector>

namespace vantiq {

// Makes sure a Qt GUI application object exists, as fonts and image decoders
// need one: creates one on the offscreen platform (unless QT_QPA_PLATFORM
// names another) when there is none. It lives until the process ends.
void EnsureGuiApplication();

// True when Qt decodes `bytes` as an image.
bool PictureDecodes(const std::vector<unsigned char>& bytes);

}  // namespace vantiq

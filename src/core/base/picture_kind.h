#pragma once

#include <optional>
#include <string_view>

namespace vantiq {

// An image format a catalogue picture may be stored in.
struct PictureKind {
    const char* format;     // the decoder's name: "png", "jpeg", "bmp", "gif", "tiff", "ico"
    const char* extension;  // the usual file name extension: "png", "jpg", …, "tif", "ico"
};

// The format of an encoded picture, told by its first bytes: PNG, JPEG, BMP,
// GIF, TIFF or ICO. Nullopt for anything else, which a catalogue may not
// hold: such bytes are never handed to a decoder.
std::optional<PictureKind> SniffPictureKind(std::string_view bytes);

}  // namespace vantiq

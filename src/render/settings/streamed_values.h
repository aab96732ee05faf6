#pragma once

#include <string_view>

namespace vantiq {

// Whether the bytes of an INI settings store can be handed to QSettings
// without its rebuilding of stored types from binary streams. Qt decodes a
// value that begins with "@Variant(" or "@DateTime(" with QDataStream, whose
// element counts nothing bounds: a store of a few bytes could make it reserve
// gigabytes. True when no value, split into lines and unescaped as Qt does
// it, holds either text anywhere; the "@String(", "@ByteArray(" and "@@"
// values Qt itself writes for plain strings pass. Keys, section names and
// comments may hold anything: Qt never decodes them into types.
bool HoldsNoStreamedValue(std::string_view store);

}  // namespace vantiq

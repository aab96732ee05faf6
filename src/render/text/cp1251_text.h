#pragma once

#include <QString>

#include <string_view>

namespace vantiq {

// Windows-1251 bytes (a module name, a message that names modules) as text
// for Qt to draw or show. The one byte the code page leaves unassigned
// (0x98) becomes U+FFFD.
QString Cp1251ToQString(std::string_view bytes);

}  // namespace vantiq

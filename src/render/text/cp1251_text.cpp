#include "render/text/cp1251_text.h"

#include "core/base/cp1251.h"

namespace vantiq {

QString Cp1251ToQString(std::string_view bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

}  // namespace vantiq

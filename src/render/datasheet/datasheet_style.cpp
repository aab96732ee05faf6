#include "render/datasheet/datasheet_style.h"

namespace vantiq {

QFont DatasheetFont(int pixelSize, bool bold, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace vantiq

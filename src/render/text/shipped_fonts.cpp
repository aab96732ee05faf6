#include "render/text/shipped_fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

namespace vantiq {

void UseShippedFonts() {
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    if (!folder.exists()) {
        return;
    }
    // The offscreen platform outside Linux knows no system fonts, only those
    // of one folder, and warns when that is missing; this names ours.
    if (QGuiApplication::platformName() == QStringLiteral("offscreen") &&
        qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        qputenv("QT_QPA_FONTDIR", QFile::encodeName(folder.absolutePath()));
    }
    const QStringList faces = folder.entryList({QStringLiteral("*.ttf")}, QDir::Files);
    for (const QString& face : faces) {
        QFontDatabase::addApplicationFont(folder.filePath(face));
    }
}

}  // namespace vantiq

#include "render/text/shipped_fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vantiq {
namespace {

// Wine's ntdll names wine's version; Windows' own has no such export.
bool RunsUnderWine() {
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

}  // namespace

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

void UseFreeTypeUnderWine() {
    if (RunsUnderWine() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    }
}

QString WindowFaceOverride() {
    const QString shipped = QStringLiteral("Liberation Sans");
    return RunsUnderWine() && QFontDatabase::hasFamily(shipped) ? shipped : QString();
}

}  // namespace vantiq

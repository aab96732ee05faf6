#include "common/headless_app.h"

#include <QGuiApplication>

#include "render/text/shipped_fonts.h"

namespace vantiq {
namespace {

QtMessageHandler previousHandler = nullptr;

// Qt complains on stderr that a headless machine has no runtime folder; a
// command-line tool has no use for one, so that complaint alone is dropped.
void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QStringLiteral("QStandardPaths: "))) {
        return;
    }
    if (previousHandler) {
        previousHandler(type, context, text);
    }
}

}  // namespace

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    previousHandler = qInstallMessageHandler(FilterMessages);
    static int argc = 1;
    static char name[] = "vantiq";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing the application down during static
    // destruction races Qt's own globals.
    new QGuiApplication(argc, argv);
    UseShippedFonts();
}

}  // namespace vantiq

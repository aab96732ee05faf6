#include <QApplication>
#include <QCommandLineParser>

#include "gui/app/app.h"
#include "gui/app/window_face.h"
#include "render/text/shipped_fonts.h"

int main(int argc, char* argv[]) {
    vantiq::UseFreeTypeUnderWine();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantiq"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.kestrin.Vantiq"));
    vantiq::UseShippedFacesInTheWindow();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Choose a thermoelectric cooling module."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("catalogue"),
        QStringLiteral("The catalogue to open; without it the first Base.tmb in the current "
                       "folder, the user's data folder or the installed share/vantiq."),
        QStringLiteral("[CATALOGUE]"));
    parser.process(application);
    const QStringList named = parser.positionalArguments();
    if (named.size() > 1) {
        parser.showHelp(EXIT_FAILURE);
    }
    vantiq::CApp vantiq(named.isEmpty() ? std::string() : named.first().toStdString());
    return vantiq.Run();
}

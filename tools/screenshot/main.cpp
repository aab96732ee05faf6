// vantiq-screenshot CATALOGUE FOLDER: the README's pictures of the window.
// Starts the window program on CATALOGUE with the default colours, states a
// heat load of 5 W at a temperature difference of 30 K, searches, and writes
// the whole window in Datasheet and in Graph mode to FOLDER. Needs no
// display: scripts/make_screenshots.sh runs it on Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

#include "gui/app/app.h"
#include "gui/app/main_frame.h"
#include "gui/panel/module_dlg.h"

namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

template <typename T>
T* Control(const QWidget* panel, const char* name) {
    T* control = panel->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        std::fprintf(stderr, "vantiq-screenshot: the panel has no %s\n", name);
        std::exit(EXIT_FAILURE);
    }
    return control;
}

bool Save(vantiq::CMainFrame& frame, const QString& path) {
    Settle();
    if (!frame.grab().save(path)) {
        std::fprintf(stderr, "vantiq-screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Usage: vantiq-screenshot CATALOGUE FOLDER\n");
        return EXIT_FAILURE;
    }
    // Stored colours of the user's own would show in the pictures.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    vantiq::CApp app(argv[1]);
    if (!app.InitInstance()) {
        return EXIT_FAILURE;
    }
    vantiq::CMainFrame& frame = *app.MainFrame();
    frame.resize(1280, 800);
    const QWidget* panel = frame.Panel();
    Control<QPushButton>(panel, "nextButton")->click();
    Control<QLineEdit>(panel, "qEdit")->setText(QStringLiteral("5"));
    Control<QLineEdit>(panel, "dtEdit")->setText(QStringLiteral("30"));
    Control<QPushButton>(panel, "searchButton")->click();
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    bool saved = Save(frame, folder.filePath(QStringLiteral("window-datasheet.png")));
    frame.OnViewMode(vantiq::ID_VIEW_GRAPH);
    saved = Save(frame, folder.filePath(QStringLiteral("window-graphs.png"))) && saved;
    return saved ? EXIT_SUCCESS : EXIT_FAILURE;
}

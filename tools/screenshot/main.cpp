// vantiq-screenshot CATALOGUE FOLDER: the README's pictures of the window.
// Starts the window program on CATALOGUE with the default colours, states a
// heat load of 5 W at a temperature difference of 30 K and a 14 V / 6 A
// supply, searches, and writes the whole window in Datasheet and in Graph
// mode to FOLDER; then lists the operating points, picks the first, and
// writes the window again with the list's own window over its lower left.
// Needs no display: scripts/make_screenshots.sh runs it on Qt's offscreen
// platform.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "gui/app/app.h"
#include "gui/app/main_frame.h"
#include "gui/panel/module_dlg.h"
#include "gui/panel/operating_point_list.h"

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

// A search on the way that finds nothing says so in a message box; the
// pictures go on without it.
void DismissMessageBoxes(QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "vantiq-screenshot: %s\n", qPrintable(box->text()));
            box->done(0);
        }
    });
    timer.start(50);
}

void Type(const QWidget* panel, const char* box, const char* text) {
    Control<QLineEdit>(panel, box)->setText(QString::fromLatin1(text));
}

bool Save(vantiq::CMainFrame& frame, const QString& path) {
    Settle();
    if (!frame.grab().save(path)) {
        std::fprintf(stderr, "vantiq-screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The operating-point list is a window of its own; it is drawn over the
// main window's lower left, where it would float on a desktop.
bool SavePoints(vantiq::CMainFrame& frame, const QString& path) {
    auto* points = frame.findChild<vantiq::OperatingPointList*>();
    if (points == nullptr || points->topLevelItemCount() == 0) {
        std::fprintf(stderr, "vantiq-screenshot: no operating points were listed\n");
        return false;
    }
    QTreeWidgetItem* first = points->topLevelItem(0);
    points->setCurrentItem(first);
    emit points->itemClicked(first, 0);
    Settle();
    QPixmap picture = frame.grab();
    QPainter painter(&picture);
    const QPixmap list = points->grab();
    painter.drawPixmap(24, picture.height() - list.height() - 40, list);
    painter.end();
    if (!picture.save(path)) {
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
    QTimer boxes;
    DismissMessageBoxes(boxes);
    Type(panel, "qEdit", "5");
    Type(panel, "dtEdit", "30");
    Type(panel, "voltageEdit", "14");
    Type(panel, "currentEdit", "6");
    for (int step = 1; step < 4; ++step) {
        Control<QPushButton>(panel, "nextButton")->click();
    }
    Control<QPushButton>(panel, "searchButton")->click();
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    bool saved = Save(frame, folder.filePath(QStringLiteral("window-datasheet.png")));
    frame.OnViewMode(vantiq::DisplayMode::Graph);
    saved = Save(frame, folder.filePath(QStringLiteral("window-graphs.png"))) && saved;
    Control<QPushButton>(panel, "nextButton")->click();
    Control<QPushButton>(panel, "adviseButton")->click();
    saved =
        SavePoints(frame, folder.filePath(QStringLiteral("window-operating-points.png"))) && saved;
    return saved ? EXIT_SUCCESS : EXIT_FAILURE;
}

// vantiq-screenshot CATALOGUE FOLDER: the README's pictures of the window.
// Starts the window program on CATALOGUE with the default colours, states a
// heat load of 5 W at a temperature difference of 30 K and a 14 V / 6 A
// supply, searches, and writes the whole window in Datasheet and in Graph
// mode to FOLDER; then lists the operating points, picks the first, and
// writes the window again with their table below the graphs; last, it asks
// 2 W at 80 K of two stages with a cold mass of 100 J/K and writes the
// window with the first stack chosen.
// Needs no display: scripts/make_screenshots.sh runs it on Qt's offscreen
// platform. A third argument WIDTHxHEIGHT sizes the window (1280x900 without).
// For each picture it prints the rows of the list the picture shows, so that
// a run on another system can be held against this one's.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
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
#include "gui/app/window_face.h"
#include "gui/panel/module_dlg.h"
#include "gui/panel/result_list_view.h"
#include "gui/view/answer_model.h"
#include "gui/view/answer_table.h"
#include "render/text/shipped_fonts.h"

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

// The picture's name, then each row of `rows`, its columns' texts separated
// by tabs.
void PrintRows(const QString& path, const QAbstractItemModel& rows) {
    std::printf("%s\n", qPrintable(QFileInfo(path).fileName()));
    for (int row = 0; row < rows.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < rows.columnCount(); ++column) {
            texts << rows.index(row, column).data().toString();
        }
        std::printf("\t%s\n", texts.join(QLatin1Char('\t')).toUtf8().constData());
    }
}

bool Save(vantiq::CMainFrame& frame, const QString& path, const QAbstractItemModel& rows) {
    Settle();
    PrintRows(path, rows);
    if (!frame.grab().save(path)) {
        std::fprintf(stderr, "vantiq-screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Writes the window with the answer's first row chosen, as it is when the
// answer arrives, in Graph mode.
bool SaveFirstRow(vantiq::CMainFrame& frame, const QString& path) {
    Settle();
    if (frame.Answer()->Model().rowCount() == 0 || !frame.Answer()->isVisible()) {
        std::fprintf(stderr, "vantiq-screenshot: the advice listed nothing for %s\n",
                     qPrintable(path));
        return false;
    }
    return Save(frame, path, frame.Answer()->Model());
}

void StateRequirements(const QWidget* panel, const char* q, const char* dt, const char* volts) {
    Control<QPushButton>(panel, "clearButton")->click();
    Type(panel, "qEdit", q);
    Type(panel, "dtEdit", dt);
    Type(panel, "voltageEdit", volts);
    Type(panel, "currentEdit", "6");
    for (int step = 1; step < 4; ++step) {
        Control<QPushButton>(panel, "nextButton")->click();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    vantiq::UseFreeTypeUnderWine();
    QApplication application(argc, argv);
    vantiq::UseShippedFacesInTheWindow();
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "Usage: vantiq-screenshot CATALOGUE FOLDER [WIDTHxHEIGHT]\n");
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
    const QStringList size =
        QString::fromLatin1(argc == 4 ? argv[3] : "1280x900").split(QLatin1Char('x'));
    frame.resize(size.value(0).toInt(), size.value(1).toInt());
    const QWidget* panel = frame.Panel();
    QTimer boxes;
    DismissMessageBoxes(boxes);
    StateRequirements(panel, "5", "30", "14");
    Control<QPushButton>(panel, "searchButton")->click();
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    const auto* results = frame.findChild<vantiq::ResultListView*>();
    if (results == nullptr || results->model() == nullptr) {
        std::fprintf(stderr, "vantiq-screenshot: the window has no result list\n");
        return EXIT_FAILURE;
    }
    const QAbstractItemModel& modules = *results->model();
    bool saved = Save(frame, folder.filePath(QStringLiteral("window-datasheet.png")), modules);
    frame.OnViewMode(vantiq::DisplayMode::Graph);
    saved = Save(frame, folder.filePath(QStringLiteral("window-graphs.png")), modules) && saved;
    Control<QPushButton>(panel, "nextButton")->click();
    Control<QPushButton>(panel, "adviseButton")->click();
    saved = SaveFirstRow(frame, folder.filePath(QStringLiteral("window-operating-points.png"))) &&
            saved;
    // Past what one stage reaches: two stages, and a cold mass to pull down.
    StateRequirements(panel, "2", "80", "15");
    Control<QPushButton>(panel, "nextButton")->click();
    Control<QCheckBox>(panel, "stagesCheck")->setChecked(true);
    Type(panel, "massEdit", "100");
    Control<QPushButton>(panel, "adviseButton")->click();
    saved = SaveFirstRow(frame, folder.filePath(QStringLiteral("window-stacks.png"))) && saved;
    return saved ? EXIT_SUCCESS : EXIT_FAILURE;
}

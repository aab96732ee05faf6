// vantiq-million-bench (`make bench-million`): the window program on a very
// large catalogue, driven offscreen through its own buttons as a user would:
// start-up load, a search that lists every module, a sort by each key, the
// other direction, "Show all", a row selected and a step of the hot side.
// Prints each step's wall time and the process's peak memory so far against
// the catalogue file's size, the target being at most three times the file.
//
//   vantiq-million-bench write CATALOGUE [COUNT]   writes a catalogue of COUNT
//                                                  generated modules (1000000)
//   vantiq-million-bench CATALOGUE                 times the window on it
//
// The catalogue is written by a run of its own, so that none of the memory
// spent making it counts in the window's figures.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>

#include "core/base/base_writer.h"
#include "core/model/base_derivation.h"
#include "gui/app/load_progress_dialog.h"
#include "gui/app/main_frame.h"
#include "gui/panel/module_dlg.h"
#include "module_generator.h"

namespace vantiq::bench {
namespace {

constexpr double kMemoryTarget = 3.0;
constexpr std::size_t kDefaultCount = 1000000;
constexpr std::uint64_t kSeed = 20261207;

// Generated modules without pictures, named GEN-00000 onward.
int Write(const std::string& path, std::size_t count) {
    std::vector<CatalogueEntry> entries;
    entries.reserve(count);
    for (const TemRecord& module : test::GeneratedModules(count, kSeed)) {
        entries.push_back({module, {}});
    }
    if (const Status written = WriteBase(path, entries); !written.ok()) {
        std::fprintf(stderr, "vantiq-million-bench: %s\n", written.error().message.c_str());
        return 2;
    }
    std::printf("vantiq-million-bench: wrote %zu modules to %s\n", count, path.c_str());
    return 0;
}

// The process's peak resident memory so far, in bytes (Linux's VmHWM).
double PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) * 1024;
        }
    }
    return 0;
}

// What the user would see while the window works: the values the progress
// dialog shows, sampled every 20 ms, and any message box, which is printed
// and closed so that the run goes on.
class Watcher {
public:
    Watcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start(20);
    }
    std::size_t ProgressValuesSeen() const { return progress_.size(); }

private:
    void Look() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<LoadProgressDialog*>(window);
                dialog && dialog->isVisible()) {
                progress_.insert(dialog->Value());
            }
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                std::printf("  message box: %s\n", qPrintable(box->text().left(200)));
                box->accept();
            }
        }
    }

    QTimer timer_;
    std::set<int> progress_;
};

// One row per step: its wall time and the peak memory so far.
class StepTable {
public:
    explicit StepTable(double fileBytes) : fileBytes_(fileBytes) {
        std::printf("%-34s %10s %12s %8s\n", "step", "wall (s)", "peak (MB)", "x file");
    }

    // Runs `action`, lets the window catch up and paint, and prints the row;
    // returns the wall time in seconds.
    template <class Action>
    double Step(const char* name, QWidget& window, Action action) {
        QElapsedTimer clock;
        clock.start();
        action();
        QApplication::processEvents();
        window.repaint();
        const double peak = PeakResidentBytes();
        worst_ = std::max(worst_, peak / fileBytes_);
        const double seconds = clock.elapsed() / 1000.0;
        std::printf("%-34s %10.2f %12.1f %8.2f\n", name, seconds, peak / 1e6, peak / fileBytes_);
        std::fflush(stdout);
        return seconds;
    }

    bool Met() const { return worst_ <= kMemoryTarget; }
    double Worst() const { return worst_; }

private:
    double fileBytes_;
    double worst_ = 0.0;
};

template <class Widget>
Widget* Find(QWidget* panel, const char* name) {
    auto* widget = panel->findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) {
        throw std::runtime_error(std::string("the window has no ") + name);
    }
    return widget;
}

// Search, sorts, direction, "Show all", a row and a hot-side step, as a user
// clicks them; returns the seconds the hot-side step took.
double ClickThrough(StepTable& table, CMainFrame& frame) {
    CModuleDlg* panel = frame.Panel();
    Find<QLineEdit>(panel, "qEdit")->setText(QStringLiteral("0.1"));
    table.Step("search Q >= 0.1 W", frame,
               [&] { Find<QPushButton>(panel, "searchButton")->click(); });
    auto* sort = Find<QComboBox>(panel, "sortCombo");
    for (int key = 1; key <= sort->count(); ++key) {
        const int index = key % sort->count();  // the name key, first in the box, last
        const std::string name = sort->itemText(index).toStdString();
        table.Step(name.c_str(), frame, [&] {
            sort->setCurrentIndex(index);
            emit sort->activated(index);
        });
    }
    table.Step("ascending", frame, [&] { Find<QRadioButton>(panel, "ascendingRadio")->click(); });
    table.Step("show all", frame, [&] { Find<QPushButton>(panel, "showAllButton")->click(); });
    auto* list = Find<QTreeView>(panel, "resultList");
    table.Step("select the middle row", frame, [&] {
        const QModelIndex middle = list->model()->index(list->model()->rowCount() / 2, 0);
        list->scrollTo(middle);
        list->setCurrentIndex(middle);
    });
    auto* hotSide = Find<QSpinBox>(panel, "thotSpin");
    return table.Step("hot side one step up (reload)", frame,
                      [&] { hotSide->setValue(hotSide->value() + 1); });
}

// The reload's baseline: the records the window holds derived once more,
// in place, at the hot side in use, with nothing listed or drawn.
double DerivationAloneSeconds(TemBase& base, double thot) {
    QElapsedTimer clock;
    clock.start();
    if (!LoadBase(base, thot).ok()) {
        throw std::runtime_error("the records could not be derived again");
    }
    return clock.elapsed() / 1000.0;
}

int Run(const std::string& path) {
    const double fileBytes = static_cast<double>(std::filesystem::file_size(path));
    TemBase base;
    if (const Status opened = OpenBase(base, path); !opened.ok()) {
        std::fprintf(stderr, "vantiq-million-bench: %s: %s\n", path.c_str(),
                     opened.error().message.c_str());
        return 2;
    }
    std::printf("vantiq-million-bench: %s, %u modules, %.1f MB\n\n", path.c_str(), base.count,
                fileBytes / 1e6);
    Watcher watcher;
    StepTable table(fileBytes);
    CMainFrame frame(base);
    table.Step("start-up: load, list all, show", frame, [&] {
        if (!frame.Create()) {
            throw std::runtime_error("the window could not be created");
        }
        frame.resize(1280, 900);
        frame.show();
    });
    const std::size_t seen = watcher.ProgressValuesSeen();
    const double reload = ClickThrough(table, frame);
    const double alone = DerivationAloneSeconds(base, frame.Catalogue().Thot());
    std::printf("\nThe progress dialog showed %zu different values while loading.\n", seen);
    std::printf("Hot-side reload %.2f s, the derivation alone %.2f s: %.2f x\n", reload, alone,
                reload / alone);
    std::printf("Peak memory %.2f x the file (target at most %.0f x): %s\n", table.Worst(),
                kMemoryTarget, table.Met() ? "met." : "MISSED.");
    return table.Met() ? 0 : 1;
}

}  // namespace
}  // namespace vantiq::bench

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool write = arguments.size() >= 3 && arguments[1] == QStringLiteral("write");
    if (!(arguments.size() == 2 || (write && arguments.size() <= 4))) {
        std::fprintf(stderr,
                     "usage: vantiq-million-bench write CATALOGUE [COUNT]\n"
                     "       vantiq-million-bench CATALOGUE\n");
        return 2;
    }
    try {
        if (write) {
            const std::size_t count = arguments.size() == 4 ? std::stoul(arguments[3].toStdString())
                                                            : vantiq::bench::kDefaultCount;
            return vantiq::bench::Write(arguments[2].toStdString(), count);
        }
        return vantiq::bench::Run(arguments[1].toStdString());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vantiq-million-bench: %s\n", e.what());
        return 2;
    }
}

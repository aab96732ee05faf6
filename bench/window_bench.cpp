#include "window_bench.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSpinBox>

#include <cstdio>
#include <stdexcept>

#include "core/base/base_loader.h"
#include "core/base/cp1251.h"
#include "core/model/rated_values.h"
#include "gui/app/catalogue_session.h"
#include "gui/panel/module_dlg.h"
#include "render/pages/graphs_page.h"
#include "stopwatch.h"

namespace vantiq::bench {
namespace {

constexpr int kWindowRepeats = 5;
constexpr double kWindowHotSide = 298.0;
constexpr double kPageLimit = 0.050;
constexpr double kReloadLimit = 0.300;

// The graphs page as the view draws it into its buffer at 1920 × 1080.
double GraphsPage(const TemRecord& record) {
    QImage buffer(1920, 1080, QImage::Format_RGB32);
    const GraphCells cells = ViewQuadrants(buffer.width(), buffer.height());
    const ColorSettings colors;
    return BestTiming(kWindowRepeats,
                      [&] {
                          buffer.fill(Qt::white);
                          QPainter painter(&buffer);
                          DrawModuleGraphs(painter, cells, record, kWindowHotSide, colors,
                                           kScreenGraphStyle);
                      })
        .wall;
}

// The record of `sample` derived at the benchmarks' hot side.
TemRecord DerivedAt(const std::vector<TemRecord>& sample, std::size_t i) {
    TemRecord record = sample[i];
    DeriveRatedValues(record, kWindowHotSide);
    return record;
}

// Times every module of the sample once, then the first and the slowest of
// that pass again: the heaviest page is the one the target must hold for.
void BenchGraphsPage(FigureTable& table, const std::vector<TemRecord>& sample) {
    std::size_t slowest = 0;
    double slowestTime = 0.0;
    for (std::size_t i = 0; i < sample.size(); ++i) {
        const double t = GraphsPage(DerivedAt(sample, i));
        if (t > slowestTime) {
            slowest = i;
            slowestTime = t;
        }
    }
    table.Limit("graphs page 1920x1080, first module (wall)", 0, GraphsPage(DerivedAt(sample, 0)),
                kPageLimit);
    table.Limit("graphs page 1920x1080, slowest module (wall)", 0,
                GraphsPage(DerivedAt(sample, slowest)), kPageLimit);
    table.Note("the slowest of the sample's " + std::to_string(sample.size()) +
               " modules: " + Cp1251ToUtf8(sample[slowest].Name()));
}

// One click on the spin's arrows, up and down by turns, each reloading the
// catalogue under the progress dialog.
double SpinStep(const std::string& cataloguePath) {
    TemBase base;
    if (!OpenBase(base, cataloguePath).ok()) {
        throw std::runtime_error("cannot open " + cataloguePath);
    }
    CatalogueSession session(base);  // starts at the default hot side, kWindowHotSide
    CModuleDlg panel(base, session);
    panel.resize(1000, 1000);
    panel.show();
    if (!panel.Initialise()) {
        throw std::runtime_error("cannot load " + cataloguePath);
    }
    auto* spin = panel.findChild<QSpinBox*>(QStringLiteral("thotSpin"));
    bool up = true;
    const int loads = session.LoadCount();
    const double t = BestTiming(kWindowRepeats, [&] {
                         up ? spin->stepUp() : spin->stepDown();
                         up = !up;
                     }).wall;
    if (session.LoadCount() != loads + kWindowRepeats) {
        throw std::runtime_error("a spin step did not reload the catalogue");
    }
    return t;
}

// Keeps the offscreen platform's notes (no window system, nothing to raise)
// out of the table; errors still reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                     const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    }
}

}  // namespace

void BenchWindow(FigureTable& table, const std::vector<TemRecord>& sample,
                 const std::string& cataloguePath, double referenceReload) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QtMessageHandler previous = qInstallMessageHandler(QuietQtMessages);
    int argc = 1;
    char name[] = "vantiq-bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    if (!sample.empty()) {
        BenchGraphsPage(table, sample);
    }
    table.Limit("spin step: reload under the progress dialog (wall)", referenceReload,
                SpinStep(cataloguePath), kReloadLimit);
    if (referenceReload > 0) {
        table.Note("baseline: the reference scan of every module, estimated as above");
    }
    qInstallMessageHandler(previous);
}

}  // namespace vantiq::bench

#include "gui/app/window_face.h"

#include <QApplication>
#include <QFont>

#include <array>

#include "render/text/shipped_fonts.h"

namespace vantiq {
namespace {

// The classes Qt gives the platform theme's own fonts to; a font set on the
// application alone does not reach them.
constexpr std::array kThemedClasses = {
    "QMenu",
    "QMenuBar",
    "QMenuItem",
    "QMessageBox",
    "QLabel",
    "QTipLabel",
    "QStatusBar",
    "QMdiSubWindowTitleBar",
    "QDockWidgetTitle",
    "QPushButton",
    "QCheckBox",
    "QRadioButton",
    "QToolButton",
    "QAbstractItemView",
    "QListView",
    "QHeaderView",
    "QListBox",
    "QComboMenuItem",
    "QComboLineEdit",
    "QSmallFont",
    "QMiniFont",
};

}  // namespace

void UseFaceForEveryWidget(const QString& face) {
    // Read every themed font before the application's changes, as a class
    // without one of its own answers with the application's.
    std::array<QFont, kThemedClasses.size()> themed;
    for (std::size_t i = 0; i < kThemedClasses.size(); ++i) {
        themed[i] = QApplication::font(kThemedClasses[i]);
    }
    QFont font = QApplication::font();
    font.setFamilies({face});
    QApplication::setFont(font);
    for (std::size_t i = 0; i < kThemedClasses.size(); ++i) {
        themed[i].setFamilies({face});
        QApplication::setFont(themed[i], kThemedClasses[i]);
    }
}

void UseShippedFacesInTheWindow() {
    UseShippedFonts();
    if (const QString face = WindowFaceOverride(); !face.isEmpty()) {
        UseFaceForEveryWidget(face);
    }
}

}  // namespace vantiq

#include <QApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>

#include <gtest/gtest.h>

#include "gui/app/window_face.h"

namespace vantiq::test {
namespace {

// Themes on Windows give menus, the status bar and list headers fonts of
// their own; a face set on the application alone leaves them as they were.
TEST(WindowFace, ReachesTheWidgetsWithThemeFontsAndKeepsTheirSizes) {
    const QFont application = QApplication::font();
    const QFont menuBar = QApplication::font("QMenuBar");
    QFont themed(QStringLiteral("DejaVu Serif"));
    themed.setPointSize(13);
    themed.setBold(true);
    QApplication::setFont(themed, "QMenuBar");
    QApplication::setFont(themed, "QHeaderView");

    UseFaceForEveryWidget(QStringLiteral("Liberation Sans"));

    QMenuBar bar;
    QStatusBar status;
    QTableView table;
    QWidget plain;
    // Widgets take their class's font when polished, as they are when shown.
    for (QWidget* widget : {static_cast<QWidget*>(&bar), static_cast<QWidget*>(&status),
                            static_cast<QWidget*>(table.horizontalHeader()), &plain}) {
        widget->ensurePolished();
        EXPECT_EQ(widget->font().family(), QStringLiteral("Liberation Sans"))
            << widget->metaObject()->className();
    }
    EXPECT_EQ(bar.font().pointSize(), 13);
    EXPECT_TRUE(table.horizontalHeader()->font().bold());
    EXPECT_EQ(plain.font().pointSize(), application.pointSize());

    QApplication::setFont(application);
    QApplication::setFont(menuBar, "QMenuBar");
    QApplication::setFont(application, "QHeaderView");
}

}  // namespace
}  // namespace vantiq::test

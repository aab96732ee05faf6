#include "gui/printing/qt_print_dialogs.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QTimer>

#include "gui_test_support.h"

namespace vantiq {
namespace {

// The print dialog's "Print to File" offers the page's own file name, not
// one made from the job name (whose ':' Windows refuses and whose ".60" the
// dialog would take for an extension).
TEST(QtPrintDialogs, PrintToFileOffersThePagesFileName) {
    QString offered;
    test::ModalWatcher watcher([&offered](QDialog* dialog) {
        if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
            offered = box->text();
        }
        QTimer::singleShot(0, dialog, &QDialog::reject);
    });
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Vantiq document(performance graphs): ТЭМ 241-1.4-1.60"));
    QtPrintDialogs dialogs(nullptr);
    EXPECT_FALSE(dialogs.ChoosePrinter(printer, QStringLiteral("ТЭМ 241-1.4-1.60 graphs.pdf")));
    EXPECT_TRUE(offered.endsWith(QStringLiteral("/ТЭМ 241-1.4-1.60 graphs.pdf")))
        << offered.toStdString();
}

}  // namespace
}  // namespace vantiq

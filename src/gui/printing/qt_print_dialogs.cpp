#include "gui/printing/qt_print_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace vantiq {

QtPrintDialogs::QtPrintDialogs(QWidget* parent) : parent_(parent) {}

bool QtPrintDialogs::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(printer.docName());
    // One page per command: there is nothing to select and no range to give.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrintDialogs::ChoosePdfFile(const QString& title, const QString& suggestedName) {
    QString path = QFileDialog::getSaveFileName(parent_, title, suggestedName,
                                                QStringLiteral("PDF files (*.pdf)"));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    return path;
}

void QtPrintDialogs::ShowError(const QString& caption, const QString& text) {
    QMessageBox::critical(parent_, caption, text, QMessageBox::Ok);
}

}  // namespace vantiq

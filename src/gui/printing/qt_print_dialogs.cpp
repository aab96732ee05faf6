#include "gui/printing/qt_print_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "gui/printing/print_commands.h"

namespace vantiq {
namespace {

// Qt's own print dialog names the file of "Print to File" after the job
// name, whose ':' Windows refuses and whose last dot (".60" of a module
// name) it takes for an extension. Its folder is kept; the name is ours.
void OfferFileName(QPrintDialog& dialog, const QString& fileName) {
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (box == nullptr) {
        return;  // a platform dialog that asks for the file itself
    }
    const QString current = box->text();
    const QDir folder = current.isEmpty() ? QDir::home() : QFileInfo(current).dir();
    box->setText(folder.filePath(fileName));
}

}  // namespace

QtPrintDialogs::QtPrintDialogs(QWidget* parent) : parent_(parent) {}

bool QtPrintDialogs::ChoosePrinter(QPrinter& printer, const QString& suggestedFileName) {
#ifdef Q_OS_WIN
    // Windows' own print dialog does not open where no printer is installed,
    // and the command would end without a word.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        ShowError(ErrorCaption(), PrinterErrorText());
        return false;
    }
#endif
    QPrintDialog dialog(&printer, parent_);
    OfferFileName(dialog, suggestedFileName);
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

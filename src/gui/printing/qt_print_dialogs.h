#pragma once

#include "gui/printing/print_dialogs.h"

class QWidget;

namespace vantiq {

// The standard print dialog, save-file dialog and message box, owned by
// `parent` (which must outlive this object).
class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QWidget* parent);

    bool ChoosePrinter(QPrinter& printer, const QString& suggestedFileName) override;
    QString ChoosePdfFile(const QString& title, const QString& suggestedName) override;
    void ShowError(const QString& caption, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace vantiq

#pragma once

#include <QString>

class QPrinter;

namespace vantiq {

// The questions and messages of the print and export commands. The window
// answers them with the standard dialogs (QtPrintDialogs); tests answer them
// from a script.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // Lets the user choose and set up `printer` for a one-page job without
    // selection or page range; printing to a file offers `suggestedFileName`.
    // False when the user cancels.
    virtual bool ChoosePrinter(QPrinter& printer, const QString& suggestedFileName) = 0;

    // The PDF file to write, starting from `suggestedName`; empty when the
    // user cancels.
    virtual QString ChoosePdfFile(const QString& title, const QString& suggestedName) = 0;

    // An error message box with an OK button.
    virtual void ShowError(const QString& caption, const QString& text) = 0;
};

}  // namespace vantiq

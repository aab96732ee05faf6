#pragma once

#include <QObject>

#include "core/base/tem_base.h"
#include "gui/printing/print_commands.h"
#include "gui/printing/qt_print_dialogs.h"

namespace vantiq {

class CMainFrame;

// Carries out the main window's page commands (CMainFrame::PrintRequested):
// prints or exports the datasheet or the graphs page of the selected module,
// with the window's curve colours and the view's datasheet picture, asking
// with the standard dialogs over the window. A child of `frame`; `base` must
// outlive it.
class PagePrinting : public QObject {
public:
    PagePrinting(CMainFrame& frame, const TemBase& base);

    // Runs a command of command_ids.h; other values do nothing.
    void Run(int command);

private:
    QtPrintDialogs dialogs_;
    PrintCommands commands_;
};

}  // namespace vantiq

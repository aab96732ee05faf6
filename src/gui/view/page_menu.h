#pragma once

#include <QObject>

#include "view/print_commands.h"
#include "view/qt_print_dialogs.h"

class QAction;
class QMenu;
class QWidget;

namespace vantiq {

// The page commands as the main window offers them: it owns the standard
// dialogs (parented to `window`) and the commands, puts the two export
// actions into the File menu and keeps them enabled only while a module is
// selected. Printing itself is started by the window's print actions.
class PageMenu : public QObject {
public:
    PageMenu(QWidget* window, PrintCommands::ContentSource content);

    // Appends "Export graphs page as PDF..." and "Export datasheet as PDF...".
    void AddExportActions(QMenu* menu);

    // Enables or disables the export actions.
    void SetModuleSelected(bool selected);

    // Prints the page of `kind` on a printer the user picks.
    void Print(PageKind kind);

private:
    QtPrintDialogs dialogs_;
    PrintCommands commands_;
    QAction* exportGraphs_ = nullptr;
    QAction* exportDatasheet_ = nullptr;
};

}  // namespace vantiq

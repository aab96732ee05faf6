#pragma once

#include <functional>
#include <optional>

#include "gui/printing/print_dialogs.h"
#include "render/pages/page_output.h"

namespace vantiq {

// The File menu's page commands: print the datasheet or the graphs page on a
// printer the user picks, or export either page to a PDF file. Each command
// prints one page of the module `content` yields at the moment it runs; when
// it yields nothing (no module selected) the command says so and stops.
class PrintCommands {
public:
    using ContentSource = std::function<std::optional<PageContent>()>;

    // Borrows `dialogs`, which must outlive the commands.
    PrintCommands(PrintDialogs& dialogs, ContentSource content);

    // Asks for a printer and prints the page; Cancel does nothing. A page
    // that cannot be started is reported and the job abandoned.
    void Print(PageKind kind);

    // Asks for a file and writes the page as an A4 PDF at the default
    // resolution; Cancel does nothing, a file that cannot be written is reported.
    void ExportPdf(PageKind kind);

private:
    std::optional<PageContent> ContentOrSay();

    PrintDialogs& dialogs_;
    ContentSource content_;
};

// Message texts of the commands.
QString PrinterErrorText();
QString NoModuleText();
QString ErrorCaption();

}  // namespace vantiq

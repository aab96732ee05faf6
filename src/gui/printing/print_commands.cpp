#include "gui/printing/print_commands.h"

#include <QPrinter>

#include "render/pages/page_texts.h"

namespace vantiq {
namespace {

QString ExportTitle(PageKind kind) {
    return kind == PageKind::Datasheet ? QStringLiteral("Export datasheet as PDF")
                                       : QStringLiteral("Export graphs page as PDF");
}

}  // namespace

PrintCommands::PrintCommands(PrintDialogs& dialogs, ContentSource content)
    : dialogs_(dialogs), content_(std::move(content)) {}

void PrintCommands::Print(PageKind kind) {
    const auto content = ContentOrSay();
    if (!content) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PageJobName(kind, *content));
    if (!dialogs_.ChoosePrinter(printer, PageFileName(kind, *content))) {
        return;
    }
    if (!printer.isValid() || !PaintPage(printer, kind, *content)) {
        dialogs_.ShowError(ErrorCaption(), PrinterErrorText());
    }
}

void PrintCommands::ExportPdf(PageKind kind) {
    const auto content = ContentOrSay();
    if (!content) {
        return;
    }
    const QString path = dialogs_.ChoosePdfFile(ExportTitle(kind), PageFileName(kind, *content));
    if (path.isEmpty()) {
        return;
    }
    if (!WritePagePdf(path, kind, *content)) {
        dialogs_.ShowError(ErrorCaption(), QStringLiteral("Cannot write the file %1.").arg(path));
    }
}

std::optional<PageContent> PrintCommands::ContentOrSay() {
    auto content = content_();
    if (!content) {
        dialogs_.ShowError(ErrorCaption(), NoModuleText());
    }
    return content;
}

QString PrinterErrorText() {
    return QStringLiteral("Error during printer initialize.");
}

QString NoModuleText() {
    return QStringLiteral("No module is selected.");
}

QString ErrorCaption() {
    return QStringLiteral("Error!");
}

}  // namespace vantiq

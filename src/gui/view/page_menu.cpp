#include "view/page_menu.h"

#include <QMenu>

namespace vantiq {

PageMenu::PageMenu(QWidget* window, PrintCommands::ContentSource content)
    : QObject(window), dialogs_(window), commands_(dialogs_, std::move(content)) {}

void PageMenu::AddExportActions(QMenu* menu) {
    exportGraphs_ = menu->addAction(QStringLiteral("Export graphs page as PDF..."), this,
                                    [this] { commands_.ExportPdf(PageKind::Graphs); });
    exportDatasheet_ = menu->addAction(QStringLiteral("Export datasheet as PDF..."), this,
                                       [this] { commands_.ExportPdf(PageKind::Datasheet); });
}

void PageMenu::SetModuleSelected(bool selected) {
    for (QAction* action : {exportGraphs_, exportDatasheet_}) {
        if (action != nullptr) {
            action->setEnabled(selected);
        }
    }
}

void PageMenu::Print(PageKind kind) {
    commands_.Print(kind);
}

}  // namespace vantiq

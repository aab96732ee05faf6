#include "gui/app/page_printing.h"

#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"

namespace vantiq {

PagePrinting::PagePrinting(CMainFrame& frame, const TemBase& base)
    : QObject(&frame), dialogs_(&frame), commands_(dialogs_, [&frame, &base] {
          return SelectedPageContent(
              base, frame.Catalogue().SelectedModule(), frame.Catalogue().Thot(), frame.Colors(),
              frame.View()->Picture(), frame.View()->Point(), frame.View()->PointsAlongside());
      }) {
    connect(&frame, &CMainFrame::PrintRequested, this, &PagePrinting::Run);
}

void PagePrinting::Run(int command) {
    switch (command) {
        case ID_FILE_PRINT_DATASHEET:
            commands_.Print(PageKind::Datasheet);
            break;
        case ID_FILE_PRINT_GRAPHS:
            commands_.Print(PageKind::Graphs);
            break;
        case ID_FILE_EXPORT_DATASHEET:
            commands_.ExportPdf(PageKind::Datasheet);
            break;
        case ID_FILE_EXPORT_GRAPHS:
            commands_.ExportPdf(PageKind::Graphs);
            break;
        default:
            break;
    }
}

}  // namespace vantiq

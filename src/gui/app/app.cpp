#include "gui/app/app.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/app/catalogue_places.h"
#include "gui/app/error_box.h"
#include "gui/app/main_frame.h"
#include "gui/app/open_catalogue_dialog.h"
#include "gui/app/page_printing.h"

namespace vantiq {

CApp::CApp(std::string basePath) : basePath_(std::move(basePath)) {}

CApp::~CApp() = default;

bool CApp::InitInstance() {
    // The user's data folder is Kestrin/Vantiq only with both names set.
    QApplication::setOrganizationName(QStringLiteral("Kestrin"));
    QApplication::setApplicationName(QStringLiteral("Vantiq"));
    const auto candidates = basePath_.empty() ? StartupCatalogueCandidates()
                                              : std::vector<CatalogueCandidate>{{basePath_}};
    const Result<std::string> found = OpenFirstBase(base_, candidates);
    std::string path = found.value_or("");
    if (!found.ok()) {
        ShowErrorBox(nullptr, CatalogueErrorCaption(), found.error());
        path = AskUntilOpened();
        if (path.empty()) {
            return false;
        }
    }
    frame_ = std::make_unique<CMainFrame>(base_);
    frame_->SetCataloguePath(QString::fromStdString(path));
    if (!frame_->Create()) {
        frame_.reset();
        return false;
    }
    new PagePrinting(*frame_, base_);  // owned by the frame
    frame_->show();
    return true;
}

std::string CApp::AskUntilOpened() {
    for (;;) {
        const QString path = AskForCatalogue(QString(), nullptr);
        if (path.isEmpty()) {
            return {};
        }
        const Result<std::string> opened = OpenFirstBase(base_, {{path.toStdString()}});
        if (opened.ok()) {
            RememberCatalogue(path);
            return *opened;
        }
        ShowErrorBox(nullptr, CatalogueErrorCaption(), opened.error());
    }
}

int CApp::Run() {
    if (!InitInstance()) {
        return EXIT_FAILURE;
    }
    return QApplication::exec();
}

}  // namespace vantiq

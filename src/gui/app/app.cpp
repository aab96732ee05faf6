#include "gui/app/app.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/app/main_frame.h"
#include "gui/app/page_printing.h"

namespace vantiq {

CApp::CApp(std::string basePath) : basePath_(std::move(basePath)) {}

CApp::~CApp() = default;

bool CApp::InitInstance() {
    QApplication::setApplicationName(QStringLiteral("Vantiq"));
    if (const Status opened = OpenBase(base_, basePath_); !opened.ok()) {
        QMessageBox::critical(nullptr, QString::fromStdString(opened.error().caption),
                              QString::fromStdString(opened.error().message));
        return false;
    }
    frame_ = std::make_unique<CMainFrame>(base_);
    if (!frame_->Create()) {
        frame_.reset();
        return false;
    }
    new PagePrinting(*frame_, base_);  // owned by the frame
    frame_->show();
    return true;
}

int CApp::Run() {
    if (!InitInstance()) {
        return EXIT_FAILURE;
    }
    return QApplication::exec();
}

}  // namespace vantiq

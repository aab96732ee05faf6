#include "gui/app/about_dlg.h"

#include "render/pictures/module_art.h"
#include "ui_about_dlg.h"

namespace vantiq {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::AboutDlg>()) {
    ui_->setupUi(this);
    ui_->picture->setPixmap(ModulesPicture());
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace vantiq

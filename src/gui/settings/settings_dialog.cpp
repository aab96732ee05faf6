#include "gui/settings/settings_dialog.h"

#include <QMessageBox>

#include "gui/settings/color_static.h"
#include "render/colors/color_store.h"
#include "ui_settings_dialog.h"

namespace vantiq {

CSettingsDialog::CSettingsDialog(const ColorSettings& current, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::SettingsDialog>()) {
    ui_->setupUi(this);
    for (const Swatch& swatch : Swatches()) {
        swatch.widget->SetColor(FromColorRef(current.*swatch.member));
    }
}

CSettingsDialog::~CSettingsDialog() = default;

std::array<CSettingsDialog::Swatch, 5> CSettingsDialog::Swatches() const {
    return {{
        {ui_->color1, &ColorSettings::color1},
        {ui_->color08, &ColorSettings::color08},
        {ui_->color06, &ColorSettings::color06},
        {ui_->color04, &ColorSettings::color04},
        {ui_->color02, &ColorSettings::color02},
    }};
}

ColorSettings CSettingsDialog::Colors() const {
    ColorSettings colors;
    for (const Swatch& swatch : Swatches()) {
        colors.*swatch.member = ToColorRef(swatch.widget->Color());
    }
    return colors;
}

void CSettingsDialog::accept() {
    const ColorSettings colors = Colors();
    // A store that cannot be written costs only persistence: the colours
    // still apply for the rest of the run, and the user learns that they
    // will be gone at the next start.
    if (!SaveStoredColors(colors).ok()) {
        QMessageBox::critical(this, QStringLiteral("Error!"),
                              QStringLiteral("The settings could not be saved. The new colours "
                                             "apply until the program is closed."));
    }
    emit ColorsConfirmed(colors);
    QDialog::accept();
}

}  // namespace vantiq

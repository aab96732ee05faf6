#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>

#include "render/colors/color_settings.h"

namespace Ui {
class SettingsDialog;
}

namespace vantiq {

class CColorStatic;

// "Program settings": one swatch per curve colour, filled from the colours
// in use. OK stores all five, tells the frame through ColorsConfirmed (before
// the dialog closes) and closes; a store that cannot be written is reported
// in a message box, and the colours still apply for the run. Cancel drops
// every change.
class CSettingsDialog : public QDialog {
    Q_OBJECT

public:
    CSettingsDialog(const ColorSettings& current, QWidget* parent = nullptr);
    ~CSettingsDialog() override;

    // The colours the swatches show now.
    ColorSettings Colors() const;

    void accept() override;

signals:
    // The confirmed colours; emitted by OK after they were stored.
    void ColorsConfirmed(const vantiq::ColorSettings& colors);

private:
    struct Swatch {
        CColorStatic* widget;
        std::uint32_t ColorSettings::*member;
    };
    std::array<Swatch, 5> Swatches() const;

    std::unique_ptr<Ui::SettingsDialog> ui_;
};

}  // namespace vantiq

#pragma once

#include <QSpinBox>

namespace vantiq {

// The hot-side temperature: a value in kelvin, 223 to 373 in steps of 1 K,
// shown in degrees Celsius with an offset of exactly 273. The arrows (buttons
// or keys) step it; a typed temperature counts once the editing ends (Enter
// or leaving the box), so typing "80" reloads the catalogue once, not twice.
class ThotSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit ThotSpinBox(QWidget* parent = nullptr);

protected:
    QString textFromValue(int kelvin) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};

}  // namespace vantiq

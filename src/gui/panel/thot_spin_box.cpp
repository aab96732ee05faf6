#include "gui/panel/thot_spin_box.h"

#include "core/model/celsius.h"
#include "core/model/hot_side.h"

namespace vantiq {

ThotSpinBox::ThotSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(static_cast<int>(kMinThot), static_cast<int>(kMaxThot));
    setSingleStep(1);
    setWrapping(false);
    setAlignment(Qt::AlignRight);
    setKeyboardTracking(false);
    setToolTip(QStringLiteral("Hot side temperature, \u00B0C: %1 to %2")
                   .arg(minimum() - kCelsiusOffsetWhole)
                   .arg(maximum() - kCelsiusOffsetWhole));
}

QString ThotSpinBox::textFromValue(int kelvin) const {
    return QString::number(kelvin - kCelsiusOffsetWhole);
}

int ThotSpinBox::valueFromText(const QString& text) const {
    return text.toInt() + kCelsiusOffsetWhole;
}

QValidator::State ThotSpinBox::validate(QString& text, int&) const {
    // A sign alone, or a number on its way to the range ("-" before "-40",
    // "1" before "100"), may still be typed on.
    if (text.isEmpty() || text == QStringLiteral("-")) {
        return QValidator::Intermediate;
    }
    bool ok = false;
    const int kelvin = text.toInt(&ok) + kCelsiusOffsetWhole;
    if (!ok) {
        return QValidator::Invalid;
    }
    return kelvin >= minimum() && kelvin <= maximum() ? QValidator::Acceptable
                                                      : QValidator::Intermediate;
}

}  // namespace vantiq

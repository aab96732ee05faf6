#include "gui/panel/thot_spin_box.h"

#include <QLineEdit>

#include "core/base/tem_base.h"

namespace vantiq {

ThotSpinBox::ThotSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(static_cast<int>(TemBase::kMinThot), static_cast<int>(TemBase::kMaxThot));
    setSingleStep(1);
    setWrapping(false);
    setAlignment(Qt::AlignRight);
    lineEdit()->setReadOnly(true);
}

QString ThotSpinBox::textFromValue(int kelvin) const {
    return QString::number(kelvin - kCelsiusOffset);
}

int ThotSpinBox::valueFromText(const QString& text) const {
    return text.toInt() + kCelsiusOffset;
}

QValidator::State ThotSpinBox::validate(QString& text, int&) const {
    bool ok = false;
    const int kelvin = text.toInt(&ok) + kCelsiusOffset;
    return ok && kelvin >= minimum() && kelvin <= maximum() ? QValidator::Acceptable
                                                            : QValidator::Invalid;
}

}  // namespace vantiq

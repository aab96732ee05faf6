#include "gui/panel/name_filter_edit.h"

#include <QToolTip>

#include "core/base/cp1251.h"

namespace vantiq {

NameFilterEdit::NameFilterEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxChars);
    setToolTip(QStringLiteral("Part of the module name, up to %1 characters (empty: any name)")
                   .arg(kMaxChars));
    connect(this, &QLineEdit::textChanged, this, &NameFilterEdit::CheckEdit);
}

std::string NameFilterEdit::Fragment() const {
    return Utf8ToCp1251(text().toStdString()).value_or(std::string());
}

QString NameFilterEdit::RefusedTip() {
    return QStringLiteral(
        "Module names hold only Latin and Cyrillic letters, digits and the usual signs; "
        "this character cannot be part of one.");
}

void NameFilterEdit::CheckEdit(const QString& text) {
    if (Utf8ToCp1251(text.toStdString())) {
        accepted_ = text;
        return;
    }
    const int cursor = cursorPosition() - (text.size() - accepted_.size());
    setText(accepted_);
    setCursorPosition(std::max(0, cursor));
    QToolTip::showText(mapToGlobal(rect().bottomLeft()), RefusedTip(), this);
}

}  // namespace vantiq

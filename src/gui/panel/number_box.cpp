#include "gui/panel/number_box.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "core/selection/number_input.h"

namespace vantiq {

double ReadNumberBox(const QLineEdit* box) {
    return ReadNumber(box->text().toStdString());
}

void WriteNumberBox(QLineEdit* box, double value) {
    box->setText(QString::fromStdString(FormatInput(value)));
}

void SetUpNumberBox(QLineEdit* box, const QString& tip) {
    // Every prefix of a number passes, so typing one is never blocked half way.
    static const QRegularExpression kNumber(
        QStringLiteral("[+-]?[0-9]*\\.?[0-9]*([eE][+-]?[0-9]*)?"));
    box->setValidator(new QRegularExpressionValidator(kNumber, box));
    box->setToolTip(tip);
}

}  // namespace vantiq

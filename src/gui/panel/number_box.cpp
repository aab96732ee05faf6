#include "gui/panel/number_box.h"

#include <QLineEdit>

#include "core/selection/number_input.h"

namespace vantiq {

double ReadNumberBox(const QLineEdit* box) {
    return ReadNumber(box->text().toStdString());
}

void WriteNumberBox(QLineEdit* box, double value) {
    box->setText(QString::fromStdString(FormatInput(value)));
}

}  // namespace vantiq

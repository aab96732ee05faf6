#include "gui/app/error_box.h"

#include <QMessageBox>

#include "core/base/base_error.h"

namespace vantiq {

QString CatalogueErrorCaption() {
    return QString::fromUtf8(kBaseErrorCaption);
}

void ShowErrorBox(QWidget* parent, const QString& caption, const Error& error) {
    QMessageBox::critical(parent, caption, QString::fromStdString(error.message));
}

}  // namespace vantiq

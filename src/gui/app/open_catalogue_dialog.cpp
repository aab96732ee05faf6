#include "gui/app/open_catalogue_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vantiq {

QString AskForCatalogue(const QString& current, QWidget* parent) {
    const QString path = QFileDialog::getOpenFileName(
        parent, QStringLiteral("Open catalogue"), QFileInfo(current).absolutePath(),
        QStringLiteral("Vantiq catalogues (*.tmb);;All files (*)"));
    if (path.isEmpty() || QFileInfo(path) == QFileInfo(current)) {
        return {};
    }
    return QDir::toNativeSeparators(path);
}

}  // namespace vantiq

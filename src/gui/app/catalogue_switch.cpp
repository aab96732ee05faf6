#include "gui/app/catalogue_switch.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "core/base/catalogue_finder.h"
#include "gui/app/catalogue_places.h"
#include "gui/app/record_loader.h"

namespace vantiq {

bool SwitchCatalogue(TemBase& base, const QString& path, QWidget* parent) {
    TemBase fresh;
    fresh.thot = base.thot;
    const FoundCatalogue found = OpenFirstBase(fresh, {{path.toStdString()}});
    if (found.error) {
        QMessageBox::critical(parent, QString::fromStdString(found.error->caption),
                              QString::fromStdString(found.error->message));
        return false;
    }
    RecordLoader loader(fresh);
    if (!loader.Load(parent)) {
        return false;  // the loader has said why
    }
    base = std::move(fresh);
    RememberCatalogue(path);
    return true;
}

QString AskAndSwitchCatalogue(TemBase& base, const QString& current, QWidget* parent) {
    const QString path = QFileDialog::getOpenFileName(
        parent, QStringLiteral("Open catalogue"), QFileInfo(current).absolutePath(),
        QStringLiteral("Vantiq catalogues (*.tmb);;All files (*)"));
    // The open catalogue is held exclusively, so opening it again would
    // only report it as held by another process.
    if (path.isEmpty() || QFileInfo(path) == QFileInfo(current)) {
        return {};
    }
    const QString native = QDir::toNativeSeparators(path);
    return SwitchCatalogue(base, native, parent) ? native : QString();
}

}  // namespace vantiq

#include "gui/app/catalogue_places.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "core/base/data_folders.h"
#include "render/settings/settings_store.h"

namespace vantiq {
namespace {

const QLatin1String kRememberedKey("LastCatalogue");

std::string Native(const QString& path) {
    return path.isEmpty() ? std::string() : QDir::toNativeSeparators(path).toStdString();
}

}  // namespace

std::vector<CatalogueCandidate> StartupCatalogueCandidates() {
    CatalogueFolders folders;
    folders.remembered = Native(RememberedCatalogue());
    folders.current = Native(QDir::currentPath());
    folders.userData = Native(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    folders.installed = InstalledDataFolder(Native(QCoreApplication::applicationDirPath()));
    return CatalogueCandidates(folders);
}

QString RememberedCatalogue() {
    const SettingsStore store;
    return store.Readable() ? store.value(kRememberedKey).toString() : QString();
}

void RememberCatalogue(const QString& path) {
    SettingsStore store;
    // A store that cannot be read is left as it is rather than overwritten.
    if (store.Readable()) {
        store.setValue(kRememberedKey, QDir(path).absolutePath());
    }
}

}  // namespace vantiq

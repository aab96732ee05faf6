#include "gui/app/catalogue_places.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "core/base/data_folders.h"

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
    return QSettings(QStringLiteral("Kestrin"), QStringLiteral("Vantiq"))
        .value(kRememberedKey)
        .toString();
}

void RememberCatalogue(const QString& path) {
    QSettings store(QStringLiteral("Kestrin"), QStringLiteral("Vantiq"));
    store.setValue(kRememberedKey, QDir(path).absolutePath());
}

}  // namespace vantiq

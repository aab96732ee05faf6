#pragma once

#include <QString>

#include <vector>

#include "core/base/catalogue_finder.h"

namespace vantiq {

// The catalogue files the window program tries when started without one, in
// order: the one last opened with File > "Open catalogue...", then Base.tmb
// in the current folder, in the user's data folder (Qt's AppDataLocation)
// and in share/vantiq of the installation the program runs from. The user's
// folder is Kestrin/Vantiq only once the application carries those names.
std::vector<CatalogueCandidate> StartupCatalogueCandidates();

// The catalogue last opened by hand, kept with the other settings; empty
// when there is none or the store cannot be read safely (see
// SettingsStore::Readable), which is then left as it is.
QString RememberedCatalogue();
void RememberCatalogue(const QString& path);

}  // namespace vantiq

#include "core/base/catalogue_finder.h"

#include "core/base/base_file.h"
#include "core/base/base_loader.h"
#include "core/base/data_folders.h"
#include "core/base/safe_text.h"

namespace vantiq {
namespace {

constexpr const char* kTriedHeading = "\n\nLooked for the catalogue in:";

// What became of one path, as the error lists it.
std::string Outcome(bool present, const Error& error) {
    if (!present) {
        return "not found";
    }
    return error.message == kBaseDamagedMessage ? "damaged or not a catalogue"
                                                : "held by another process or not readable";
}

// One line of the paths tried. Appended piece by piece: GCC 12 at -O3 warns
// falsely (-Wrestrict) about the same text built with operator+.
void AddTried(std::string& tried, const std::string& path, const std::string& outcome) {
    tried.append("\n").append(EscapeControls(path)).append(": ").append(outcome);
}

}  // namespace

std::vector<CatalogueCandidate> CatalogueCandidates(const CatalogueFolders& folders) {
    std::vector<CatalogueCandidate> candidates;
    if (!folders.remembered.empty()) {
        candidates.push_back({folders.remembered, true});
    }
    for (const std::string* folder : {&folders.current, &folders.userData, &folders.installed}) {
        if (!folder->empty()) {
            candidates.push_back({JoinPath(*folder, kBaseFileName), false});
        }
    }
    return candidates;
}

std::vector<CatalogueCandidate> DefaultCatalogueCandidates() {
    return CatalogueCandidates(
        {"", CurrentFolder(), UserDataFolder(), InstalledDataFolder(ExecutableFolder())});
}

Result<std::string> OpenFirstBase(TemBase& base,
                                  const std::vector<CatalogueCandidate>& candidates) {
    Error last = BaseNotFoundError();
    std::string tried;
    for (const auto& candidate : candidates) {
        const bool present = BaseFile::Exists(candidate.path);
        if (present) {
            const Status opened = OpenBase(base, candidate.path);
            if (opened.ok()) {
                return candidate.path;
            }
            last = opened.error();
        }
        AddTried(tried, candidate.path, Outcome(present, last));
        if (present && !candidate.optional) {
            break;
        }
    }
    last.message += kTriedHeading + tried;
    return last;
}

Result<std::string> FindFirstPresent(const std::vector<CatalogueCandidate>& candidates) {
    std::string tried;
    for (const auto& candidate : candidates) {
        if (BaseFile::Exists(candidate.path)) {
            return candidate.path;
        }
        AddTried(tried, candidate.path, "not found");
    }
    Error error = BaseNotFoundError();
    error.message += kTriedHeading + tried;
    return error;
}

}  // namespace vantiq

#pragma once

#include <string>
#include <vector>

#include "core/base/base_error.h"
#include "core/base/tem_base.h"

namespace vantiq {

inline constexpr const char* kBaseFileName = "Base.tmb";

// One file the catalogue may be in. A file that is not there is passed
// over. One that is there but cannot be opened ends the search with its
// error, unless it is `optional` (a remembered file that may have gone bad):
// the user's own catalogue is never silently swapped for another one.
struct CatalogueCandidate {
    std::string path;
    bool optional = false;
};

// Where a catalogue is looked for when none is named; an empty entry is
// left out. Paths are UTF-8.
struct CatalogueFolders {
    std::string remembered;  // a file: the last one the user opened by hand
    std::string current;     // the current folder
    std::string userData;    // the user's data folder for the program
    std::string installed;   // share/vantiq of the installation
};

// The files to try, in order: the remembered one, then Base.tmb in the
// current, the user's and the installed folder.
std::vector<CatalogueCandidate> CatalogueCandidates(const CatalogueFolders& folders);

// The candidates of the command-line tools: Base.tmb in the current folder,
// the user's data folder and the installed folder beside the executable.
std::vector<CatalogueCandidate> DefaultCatalogueCandidates();

// Opens the first usable candidate into `base` as OpenBase does, and gives
// its path. On failure `base` stays closed, and the error is that of the last
// file that was there ("not found" when none was), followed by every path
// tried and what became of it.
Result<std::string> OpenFirstBase(TemBase& base, const std::vector<CatalogueCandidate>& candidates);

// The first candidate that is there, without opening it (for the tools that
// inspect damaged files too); otherwise the not-found error naming every
// path tried.
Result<std::string> FindFirstPresent(const std::vector<CatalogueCandidate>& candidates);

}  // namespace vantiq

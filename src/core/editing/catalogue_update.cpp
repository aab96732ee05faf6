#include "core/editing/catalogue_update.h"

#include <utility>

#include "core/base/catalogue_reader.h"
#include "core/base/file_replace.h"
#include "core/base/safe_text.h"
#include "core/editing/catalogue_names.h"

namespace vantiq {
namespace {

// Holds `path` again, shared as every reader does, after a write; the
// write's own failure comes first.
Status HoldAgain(BaseFile& held, const std::string& path, Status written) {
    auto reopened = BaseFile::OpenShared(path);
    if (!reopened) {
        if (!written.ok()) {
            return written;
        }
        return Error{"Cannot open " + EscapeControls(path) + " again after writing it"};
    }
    held = std::move(*reopened);
    return written;
}

}  // namespace

Status ReplaceHeldCatalogue(BaseFile& held, const std::string& path,
                            const std::vector<CatalogueEntry>& entries) {
    const Result<std::vector<unsigned char>> bytes = EncodeBase(entries);
    if (!bytes.ok()) {
        return bytes.error();
    }
    held = BaseFile();
    // A writer takes the file exclusively, which fails while another program
    // reads it. The hold is dropped again before the file is replaced,
    // because Windows renames nothing over an open file.
    if (!BaseFile::OpenExclusive(path)) {
        return HoldAgain(held, path,
                         Error{"Cannot write " + EscapeControls(path) +
                               ": another program has it open; close it there and try again"});
    }
    return HoldAgain(held, path, ReplaceFileContents(path, *bytes));
}

Status AddToHeldCatalogue(BaseFile& held, const std::string& path,
                          const std::vector<CatalogueEntry>& added) {
    Result<StoredCatalogue> stored = ReadCatalogue(held);
    if (!stored.ok()) {
        return stored.error();
    }
    if (!stored->header.ok()) {
        return stored->header;
    }
    std::vector<CatalogueEntry> entries = std::move(stored->entries);
    entries.insert(entries.end(), added.begin(), added.end());
    if (const Status distinct = CheckDistinctNames(entries); !distinct.ok()) {
        return distinct;
    }
    return ReplaceHeldCatalogue(held, path, entries);
}

}  // namespace vantiq

#include "core/editing/catalogue_update.h"

#include <cstddef>
#include <map>
#include <string_view>
#include <utility>

#include "core/base/catalogue_reader.h"
#include "core/base/cp1251.h"
#include "core/base/file_bytes.h"
#include "core/base/file_replace.h"
#include "core/base/safe_text.h"
#include "core/base/utf8_path.h"
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

// An error naming the first added module whose name the catalogue or an
// earlier added module already has. Names the catalogue itself holds twice
// were written by someone else and are left to `check` to report.
Status CheckAddedNames(const std::vector<CatalogueEntry>& entries,
                       const std::vector<CatalogueEntry>& added) {
    std::map<std::string_view, std::size_t> seen;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        seen.emplace(entries[i].record.Name(), i);
    }
    for (std::size_t k = 0; k < added.size(); ++k) {
        const std::string_view name = added[k].record.Name();
        if (const auto [first, fresh] = seen.emplace(name, entries.size() + k); !fresh) {
            return Error{"the name '" + EscapeControls(Cp1251ToUtf8(name)) +
                         "' is used twice (modules " + std::to_string(first->second + 1) + " and " +
                         std::to_string(entries.size() + k + 1) + ")"};
        }
    }
    return {};
}

// The catalogue as it stands, byte for byte, into its backup file.
Status KeepPrevious(const std::string& path) {
    const auto bytes = ReadFileBytes(Utf8Path(path));
    if (!bytes)
        return Error{"Cannot read " + EscapeControls(path) + " to keep it"};
    return ReplaceFileContents(BackupPathOf(path), *bytes);
}

// The entries of the held catalogue; an error when it cannot be read.
Result<std::vector<CatalogueEntry>> HeldEntries(BaseFile& held) {
    Result<StoredCatalogue> stored = ReadCatalogue(held);
    if (!stored.ok())
        return stored.error();
    if (!stored->header.ok())
        return stored->header.error();
    return std::move(stored->entries);
}

}  // namespace

std::string BackupPathOf(const std::string& path) {
    return path + ".bak";
}

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
    if (const Status kept = KeepPrevious(path); !kept.ok())
        return HoldAgain(held, path, kept);
    return HoldAgain(held, path, ReplaceFileContents(path, *bytes));
}

Status AddToHeldCatalogue(BaseFile& held, const std::string& path,
                          const std::vector<CatalogueEntry>& added) {
    Result<std::vector<CatalogueEntry>> entries = HeldEntries(held);
    if (!entries.ok()) {
        return entries.error();
    }
    if (const Status distinct = CheckAddedNames(*entries, added); !distinct.ok()) {
        return distinct;
    }
    entries->insert(entries->end(), added.begin(), added.end());
    return ReplaceHeldCatalogue(held, path, *entries);
}

Status RemoveFromHeldCatalogue(BaseFile& held, const std::string& path, std::size_t index) {
    Result<std::vector<CatalogueEntry>> entries = HeldEntries(held);
    if (!entries.ok()) {
        return entries.error();
    }
    if (index >= entries->size()) {
        return Error{"the catalogue holds no module " + std::to_string(index + 1)};
    }
    entries->erase(entries->begin() + static_cast<std::ptrdiff_t>(index));
    return ReplaceHeldCatalogue(held, path, *entries);
}

}  // namespace vantiq

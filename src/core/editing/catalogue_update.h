#pragma once

#include <string>
#include <vector>

#include "core/base/base_file.h"
#include "core/base/base_writer.h"
#include "core/base/result.h"

namespace vantiq {

// The file beside a catalogue at `path` where a change keeps the catalogue
// as it was before: `path` with ".bak" appended.
std::string BackupPathOf(const std::string& path);

// Replaces the catalogue at `path`, which this process holds open as `held`,
// with `entries`, keeping the previous file as BackupPathOf(path). It is
// refused, with nothing touched, while another open (another program
// reading it) holds the file too, and when the backup cannot be written
// (the catalogue then stays as it was). The hold is given up only
// for the write (a held file cannot
// be replaced on every system) and taken again afterwards, on the new file
// when the write succeeded and on the previous one, left as it was, when it
// failed. Nothing is touched when `entries` cannot be encoded. An error, too,
// when the file cannot be held again; `held` is then closed. Callers re-read
// the catalogue from `held` after a success.
Status ReplaceHeldCatalogue(BaseFile& held, const std::string& path,
                            const std::vector<CatalogueEntry>& entries);

// Appends `added` to the catalogue held as `held` at `path`, as above. An
// error, with nothing written, when the held file cannot be read or an
// added name is already in the catalogue or among the added ones (names the
// catalogue already holds twice do not stop an addition).
Status AddToHeldCatalogue(BaseFile& held, const std::string& path,
                          const std::vector<CatalogueEntry>& added);

// Removes the module at `index` (0-based) from the catalogue held as `held`
// at `path`, as above. An error, with nothing written, when the held file
// cannot be read or holds no module at `index`.
Status RemoveFromHeldCatalogue(BaseFile& held, const std::string& path, std::size_t index);

}  // namespace vantiq

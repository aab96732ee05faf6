#include "basetool/remove_command.h"

#include <ostream>

#include "common/exit_status.h"
#include "core/base/base_file.h"
#include "core/base/catalogue_reader.h"
#include "core/base/safe_text.h"
#include "core/editing/catalogue_names.h"
#include "core/editing/catalogue_update.h"

namespace vantiq {
namespace {

// The index of the first module named `name` (UTF-8) in the held catalogue.
Result<std::size_t> IndexOf(const BaseFile& held, const std::string& name) {
    const Result<std::string> bytes = CatalogueNameBytes(name);
    if (!bytes.ok())
        return bytes.error();
    const Result<StoredCatalogue> stored = ReadCatalogue(held);
    if (!stored.ok())
        return stored.error();
    for (std::size_t i = 0; i < stored->entries.size(); ++i)
        if (stored->entries[i].record.Name() == *bytes)
            return i;
    return Error{"no module is named '" + EscapeControls(name) + "'"};
}

Status Remove(const std::string& path, const std::string& name, std::ostream& out) {
    auto held = BaseFile::OpenShared(path);
    if (!held)
        return Error{"Cannot open " + EscapeControls(path)};
    const Result<std::size_t> index = IndexOf(*held, name);
    if (!index.ok())
        return index.error();
    if (const Status removed = RemoveFromHeldCatalogue(*held, path, *index); !removed.ok())
        return removed;
    out << "removed module " << *index + 1 << " '" << EscapeControls(name)
        << "'; the previous catalogue is kept as " << EscapeControls(BackupPathOf(path)) << "\n";
    return {};
}

}  // namespace

int RunRemoveCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const std::string name = args.Value("--name");
    if (name.empty()) {
        err << "vantiq-basetool: remove needs --name NAME\n";
        return kExitUsage;
    }
    if (const Status removed = Remove(args.operands[0], name, out); !removed.ok()) {
        err << "vantiq-basetool: " << removed.error().message << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq

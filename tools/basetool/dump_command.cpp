#include "basetool/dump_command.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "basetool/catalogue_check.h"
#include "basetool/catalogue_csv.h"
#include "basetool/catalogue_operand.h"
#include "basetool/picture_format.h"
#include "common/exit_status.h"
#include "core/base/base_layout.h"
#include "core/base/safe_text.h"
#include "core/editing/catalogue_names.h"

namespace vantiq {
namespace {

namespace fs = std::filesystem;

// Writes picture `index` into `dir`; returns its file name.
Result<std::string> WritePicture(const fs::path& dir, std::uint32_t index,
                                 const std::vector<unsigned char>& picture) {
    const std::string name = std::to_string(index) + "." + PictureExtension(picture);
    std::ofstream file(dir / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(picture.data()),
               static_cast<std::streamsize>(picture.size()));
    if (!file.flush()) {
        return Error{"cannot write the picture into " + dir.string()};
    }
    return name;
}

bool AllFinite(const TemRecord& r) {
    for (double value : {r.file.nominalCurrent, r.file.pelletLength, r.file.pelletSide,
                         r.file.width, r.file.length, r.file.height, r.file.electricalConductivity,
                         r.file.seebeckCoefficient, r.file.thermalConductivity}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

// Whether module `i` packs back as it is stored; when not, what keeps it from that.
Status PacksBack(const StoredCatalogue& c, std::uint32_t i) {
    const TemRecord& record = c.entries[i].record;
    if (record.Name().size() == kNameSize) {
        return Error{"the name has no NUL within its 30 bytes; pack will refuse it"};
    }
    // The one byte Windows-1251 leaves unassigned decodes to U+FFFD, which encodes back to nothing.
    if (record.Name().find('\x98') != std::string_view::npos) {
        return Error{
            "the name holds byte 0x98, which Windows-1251 leaves unassigned; pack will refuse it"};
    }
    if (!AllFinite(record)) {
        return Error{"a number is infinite or not a number; pack will refuse it"};
    }
    if (const Status positive = CheckPositiveFields(record); !positive.ok()) {
        return Error{positive.error().message + "; pack will refuse it"};
    }
    if (std::binary_search(c.cutPictures.begin(), c.cutPictures.end(), i)) {
        return Error{"the picture reaches beyond the end of the file and is left out"};
    }
    return {};
}

bool DumpModules(const StoredCatalogue& c, const std::string& pictures, std::ostream& out,
                 std::ostream& err) {
    bool faithful = true;
    out << FormatCsvRow(CatalogueCsvHeader());
    for (std::uint32_t i = 0; i < c.count; ++i) {
        const CatalogueEntry& entry = c.entries[i];
        std::string pictureName;
        if (!pictures.empty() && !entry.picture.empty()) {
            const Result<std::string> written = WritePicture(pictures, i, entry.picture);
            if (written.ok()) {
                pictureName = *written;
            } else {
                err << "vantiq-basetool: cannot write the picture of " << ModuleLabel(c, i)
                    << " into " << EscapeControls(pictures) << "\n";
                faithful = false;
            }
        }
        if (const Status packs = PacksBack(c, i); !packs.ok()) {
            err << "vantiq-basetool: " << ModuleLabel(c, i) << ": " << packs.error().message
                << "\n";
            faithful = false;
        }
        out << FormatCsvRow(CatalogueCsvRow(entry.record, pictureName));
    }
    return faithful;
}

}  // namespace

int RunDumpCommand(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const auto found = CatalogueOperand(args, err);
    if (!found) {
        return kExitFailure;
    }
    const std::string& path = *found;
    const Result<StoredCatalogue> catalogue = ReadCatalogue(path);
    const Status usable = catalogue.ok() ? catalogue->header : Status(catalogue.error());
    if (!usable.ok()) {
        err << "vantiq-basetool: " << EscapeControls(path) << ": " << usable.error().message
            << "\n";
        return kExitFailure;
    }
    const std::string pictures = args.Value("--pictures");
    std::error_code error;
    if (!pictures.empty() && !fs::is_directory(pictures, error) &&
        !fs::create_directories(pictures, error)) {
        err << "vantiq-basetool: cannot make the folder " << EscapeControls(pictures) << "\n";
        return kExitFailure;
    }
    return DumpModules(*catalogue, pictures, out, err) ? kExitOk : kExitFailure;
}

}  // namespace vantiq

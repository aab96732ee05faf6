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

namespace vantiq {
namespace {

namespace fs = std::filesystem;

// Writes picture `index` into `dir`; returns its file name, or empty on failure.
std::string WritePicture(const fs::path& dir, std::uint32_t index,
                         const std::vector<unsigned char>& picture) {
    const std::string name = std::to_string(index) + "." + PictureExtension(picture);
    std::ofstream file(dir / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(picture.data()),
               static_cast<std::streamsize>(picture.size()));
    return file.flush() ? name : std::string();
}

bool AllFinite(const TemRecord& r) {
    for (double value : {r.imax, r.pelletLength, r.pelletSide, r.width, r.length, r.height,
                         r.electricalConductivity, r.seebeckCoefficient, r.thermalConductivity}) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

// What keeps module `i` from packing back as it is stored; empty when nothing does.
std::string Loss(const StoredCatalogue& c, std::uint32_t i) {
    const TemRecord& record = c.entries[i].record;
    if (record.Name().size() == kNameSize) {
        return "the name has no NUL within its 30 bytes; pack will refuse it";
    }
    // The one byte Windows-1251 leaves unassigned decodes to U+FFFD, which encodes back to nothing.
    if (record.Name().find('\x98') != std::string_view::npos) {
        return "the name holds byte 0x98, which Windows-1251 leaves unassigned; pack will refuse "
               "it";
    }
    if (!AllFinite(record)) {
        return "a number is infinite or not a number; pack will refuse it";
    }
    if (std::binary_search(c.cutPictures.begin(), c.cutPictures.end(), i)) {
        return "the picture reaches beyond the end of the file and is left out";
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
            pictureName = WritePicture(pictures, i, entry.picture);
            if (pictureName.empty()) {
                err << "vantiq-basetool: cannot write the picture of " << ModuleLabel(c, i)
                    << " into " << pictures << "\n";
                faithful = false;
            }
        }
        if (const std::string loss = Loss(c, i); !loss.empty()) {
            err << "vantiq-basetool: " << ModuleLabel(c, i) << ": " << loss << "\n";
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
    const StoredCatalogue catalogue = ReadCatalogue(path);
    if (catalogue.error || catalogue.damage != CatalogueDamage::kNone) {
        err << "vantiq-basetool: " << path << ": "
            << (catalogue.error ? catalogue.error->message : DamageText(catalogue)) << "\n";
        return kExitFailure;
    }
    const std::string pictures = args.Value("--pictures");
    std::error_code error;
    if (!pictures.empty() && !fs::is_directory(pictures, error) &&
        !fs::create_directories(pictures, error)) {
        err << "vantiq-basetool: cannot make the folder " << pictures << "\n";
        return kExitFailure;
    }
    return DumpModules(catalogue, pictures, out, err) ? kExitOk : kExitFailure;
}

}  // namespace vantiq

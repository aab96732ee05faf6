#include "basetool/catalogue_check.h"

#include <algorithm>
#include <map>

#include "basetool/hot_side_grid.h"
#include "basetool/picture_format.h"
#include "core/base/base_layout.h"
#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/model/module_inputs.h"
#include "core/model/plausible_inputs.h"

namespace vantiq {
namespace {

std::string Bytes(std::uint64_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

void CheckName(const StoredCatalogue& c, std::uint32_t i,
               std::map<std::string_view, std::uint32_t>& seen,
               std::vector<CheckFinding>& findings) {
    const std::string_view name = c.entries[i].record.Name();
    if (name.size() == kNameSize) {
        findings.push_back({ModuleLabel(c, i) +
                                ": the name has no NUL within its 30 bytes (longer than 29 "
                                "bytes); the program refuses the file",
                            true});
    }
    const auto [first, added] = seen.emplace(name, i);
    if (!added) {
        findings.push_back(
            {ModuleLabel(c, i) + ": the same name as module " + std::to_string(first->second)});
    }
}

void CheckDerivation(const StoredCatalogue& c, std::uint32_t i, const std::vector<int>& hotSides,
                     std::vector<CheckFinding>& findings) {
    if (!HasPhysicalInputs(c.entries[i].record)) {
        findings.push_back({ModuleLabel(c, i) +
                            ": does not describe a physical module (no pellets, or a size, "
                            "current or material constant that is zero, negative or not a "
                            "number); the program leaves it out of every list"});
        return;
    }
    const auto failed = UnderivableHotSides(c.entries[i].record, hotSides);
    if (!failed.empty()) {
        findings.push_back({ModuleLabel(c, i) + ": no balance point at hot side " +
                            FormatHotSides(failed, hotSides) +
                            "; the program leaves it out of every list there"});
    }
    for (const std::string& problem : ImplausibleInputs(c.entries[i].record)) {
        findings.push_back({ModuleLabel(c, i) + ": " + problem});
    }
}

void CheckPicture(const StoredCatalogue& c, std::uint32_t i, const CheckSettings& settings,
                  std::vector<CheckFinding>& findings) {
    const PictureLocation& where = c.pictures[i];
    const auto& picture = c.entries[i].picture;
    if (std::binary_search(c.cutPictures.begin(), c.cutPictures.end(), i)) {
        findings.push_back({ModuleLabel(c, i) + ": the picture (" + Bytes(where.size) +
                            " at offset " + std::to_string(where.offset) +
                            ") reaches beyond the end of the file (" + Bytes(c.fileSize) + ")"});
    } else if (!picture.empty() && settings.decodes && !settings.decodes(picture)) {
        const std::string extension = PictureExtension(picture);
        findings.push_back(
            {ModuleLabel(c, i) + ": the picture (" + Bytes(where.size) +
             (extension == "bin" ? ") is not PNG, JPEG, BMP, GIF, TIFF or ICO; no picture is shown"
                                 : ", " + extension + ") does not decode")});
    }
}

}  // namespace

std::string ModuleLabel(const StoredCatalogue& c, std::uint32_t index) {
    return "module " + std::to_string(index) + " '" +
           EscapeControls(Cp1251ToUtf8(c.entries[index].record.Name())) + "'";
}

std::vector<CheckFinding> CheckCatalogue(const StoredCatalogue& c, const CheckSettings& settings) {
    if (!c.header.ok()) {
        return {{c.header.error().message, true}};
    }
    std::vector<CheckFinding> findings;
    std::map<std::string_view, std::uint32_t> seen;
    for (std::uint32_t i = 0; i < c.count; ++i) {
        CheckName(c, i, seen, findings);
        CheckDerivation(c, i, settings.hotSides, findings);
        CheckPicture(c, i, settings, findings);
    }
    if (c.picturesEnd < c.fileSize) {
        findings.push_back({"the file holds " + Bytes(c.fileSize - c.picturesEnd) +
                            " after the last picture, which nothing reads"});
    }
    return findings;
}

}  // namespace vantiq

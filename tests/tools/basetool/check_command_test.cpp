#include <gtest/gtest.h>

#include <QImage>

#include <sstream>

#include "basetool/basetool_app.h"
#include "basetool/hot_side_grid.h"
#include "core/base/base_layout.h"
#include "png_bytes.h"
#include "test_support.h"

namespace vantiq {
namespace {

std::vector<unsigned char> Catalogue(std::vector<CatalogueEntry> entries) {
    return *EncodeBase(entries);
}

CatalogueEntry Module(const std::string& name, std::vector<unsigned char> picture = {}) {
    return {test::WorkedExampleModule(name), std::move(picture)};
}

std::vector<unsigned char> NameWithoutNul() {
    auto bytes = Catalogue({Module("A")});
    std::fill_n(bytes.begin() + EntriesOffset(1), kNameSize, 'N');
    return bytes;
}

std::vector<unsigned char> PictureBeyondTheEnd() {
    auto bytes = Catalogue({Module("A"), Module("B", {4, 5})});
    WriteU32(9, bytes.data() + 8);  // picture 1 claims 9 bytes, 2 are there
    return bytes;
}

std::vector<unsigned char> NotPhysical() {
    CatalogueEntry dead = Module("DEAD");
    dead.record.file.nominalCurrent = 0.0;
    return Catalogue({Module("A"), dead});
}

// Heat leaks back through the legs faster than any current pumps it.
std::vector<unsigned char> WithoutBalance() {
    CatalogueEntry leaky = Module("LEAKY");
    leaky.record.file.thermalConductivity = 1e300;
    return Catalogue({Module("A"), leaky});
}

std::vector<unsigned char> TrailingBytes() {
    auto bytes = Catalogue({Module("A")});
    bytes.insert(bytes.end(), 5, 0);
    return bytes;
}

struct CheckCase {
    const char* what;
    std::vector<unsigned char> bytes;
    int status;
    std::string firstLine;
};

TEST(CheckCommand, ReportsEveryProblemWithTheModule) {
    const CheckCase cases[] = {
        {"short header", {1, 0}, 1, "the file is 2 bytes long, too short for its 4-byte count"},
        {"zero count", {0, 0, 0, 0}, 1, "the file counts 0 modules"},
        {"short file",
         {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         1,
         "the file counts 2 modules, which need 236 bytes before the pictures, but it is "
         "12 bytes long"},
        {"name without NUL", NameWithoutNul(), 1,
         "module 0 'NNNNNNNNNNNNNNNNNNNNNNNNNNNNNN': the name has no NUL within its 30 bytes "
         "(longer than 29 bytes); the program refuses the file"},
        {"duplicate name", Catalogue({Module("\xD2\xDD\xCC"), Module("B"), Module("\xD2\xDD\xCC")}),
         3, "module 2 'ТЭМ': the same name as module 0"},
        {"not physical", NotPhysical(), 3,
         "module 1 'DEAD': does not describe a physical module (no pellets, or a size, current "
         "or material constant that is zero, negative or not a number); the program leaves it "
         "out of every list"},
        {"no balance point", WithoutBalance(), 3,
         "module 1 'LEAKY': no balance point at hot side 223–373 K; the program leaves it out of "
         "every list there"},
        {"name with a terminal escape", Catalogue({Module("\x1b[2J"), Module("\x1b[2J")}), 3,
         "module 1 '\\x1b[2J': the same name as module 0"},
        {"picture in a format a catalogue may not hold", Catalogue({Module("A", {'P', '6', '\n'})}),
         3,
         "module 0 'A': the picture (3 bytes) is not PNG, JPEG, BMP, GIF, TIFF or ICO; no picture "
         "is shown"},
        {"picture that does not decode", Catalogue({Module("A", {'B', 'M', 1, 2})}), 3,
         "module 0 'A': the picture (4 bytes, bmp) does not decode"},
        {"picture beyond the end", PictureBeyondTheEnd(), 3,
         "module 1 'B': the picture (9 bytes at offset 236) reaches beyond the end of the file "
         "(238 bytes)"},
        {"bytes after the pictures", TrailingBytes(), 3,
         "the file holds 5 bytes after the last picture, which nothing reads"},
        {"sound file", Catalogue({Module("A", test::PngBytes(Qt::blue, 4, 3)), Module("B")}), 0,
         "2 modules checked, derived at hot sides 223-373 K in steps of 150 K (and at 298 K): "
         "no problems"},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        test::WriteBytes(dir.File("Base.tmb"), c.bytes);
        std::ostringstream out, err;
        const int status =
            RunBaseTool({"check", dir.File("Base.tmb"), "--thot-step", "150"}, out, err);
        EXPECT_EQ(status, c.status) << c.what;
        EXPECT_EQ(out.str().substr(0, out.str().find('\n')), c.firstLine) << c.what;
    }
}

TEST(CheckCommand, NamesConstantsAndSizesTypedInTheWrongUnit) {
    CatalogueEntry slipped = Module("SLIPPED");
    slipped.record.file.pelletLength = 1.6;
    slipped.record.file.seebeckCoefficient = 200;
    test::TempDir dir;
    test::WriteBytes(dir.File("Base.tmb"), Catalogue({Module("A"), slipped}));
    std::ostringstream out, err;
    EXPECT_EQ(RunBaseTool({"check", dir.File("Base.tmb"), "--thot-step", "150"}, out, err), 3);
    for (const char* line :
         {"module 1 'SLIPPED': pellet_length 1.6 m lies outside 0.0001...0.01 m: millimetres "
          "typed as metres?\n",
          "module 1 'SLIPPED': seebeck_coefficient 200 V/K lies outside 1e-05...0.001 V/K: µV/K "
          "typed as V/K?\n"})
        EXPECT_NE(out.str().find(line), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("module 0"), std::string::npos) << out.str();
}

TEST(CheckCommand, EndsWithASummary) {
    test::TempDir dir;
    test::WriteBytes(dir.File("Base.tmb"), Catalogue({Module("A"), Module("A")}));
    std::ostringstream out, err;
    RunBaseTool({"check", dir.File("Base.tmb")}, out, err);
    EXPECT_EQ(out.str(),
              "module 1 'A': the same name as module 0\n"
              "2 modules checked, derived at hot sides 223-373 K in steps of 10 K (and at 298 "
              "K): 1 problem; the program loads the file\n");
}

TEST(CheckCommand, AMissingFileIsAFailure) {
    std::ostringstream out, err;
    EXPECT_EQ(RunBaseTool({"check", "/nonexistent/Base.tmb"}, out, err), 1);
    EXPECT_EQ(err.str(),
              "vantiq-basetool: /nonexistent/Base.tmb: File not found or it's buzy by another "
              "process.\n");
}

TEST(HotSideGrid, CoversTheRangeAndRoomTemperature) {
    EXPECT_EQ(HotSideGrid(1).size(), 151u);
    EXPECT_EQ(HotSideGrid(150), (std::vector<int>{223, 298, 373}));
    const auto grid = HotSideGrid(10);
    EXPECT_EQ(grid.size(), 17u);
    const struct {
        std::vector<int> failed;
        std::string text;
    } cases[] = {
        {{223, 233, 243}, "223–243 K"},
        {{223, 243}, "223 K, 243 K"},
        {{293, 298, 303, 373}, "293–303 K, 373 K"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatHotSides(c.failed, grid), c.text);
    }
}

}  // namespace
}  // namespace vantiq

#include <gtest/gtest.h>

#include <QImage>

#include <sstream>

#include "basetool/basetool_app.h"
#include "basetool/ratings_csv.h"
#include "basetool/source_text.h"
#include "core/base/base_layout.h"
#include "core/base/catalogue_reader.h"
#include "core/model/celsius.h"
#include "test_support.h"

namespace vantiq {
namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun Tool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunBaseTool(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<unsigned char> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

void WriteText(const std::string& path, const std::string& text) {
    test::WriteBytes(path, Bytes(text));
}

const std::string kHeader =
    "name,nominal_current,pellet_count,pellet_length,pellet_side,width,length,height,"
    "electrical_conductivity,seebeck_coefficient,thermal_conductivity,picture\n";
const std::string kFields = ",6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,";

TEST(BaseToolRoundTrip, PackOfADumpGivesTheSameFile) {
    test::TempDir dir;
    std::vector<CatalogueEntry> entries;
    const std::pair<std::string, std::string> modules[] = {
        {"\xD2\xDD\xCC-127", "\x89PNG\r\n\x1A\n-png"},  // ТЭМ-127
        {"A, \"quoted\" name", "\xFF\xD8\xFF-jpg"},
        {"BMP", "BM-bmp"},
        {"GIF", "GIF89a-gif"},
        {"RAW", "raw bytes"},
        {"NONE", ""},
    };
    for (const auto& [name, picture] : modules) {
        entries.push_back({test::WorkedExampleModule(name), Bytes(picture)});
    }
    FileFields& odd = entries[1].record.file;
    odd.nominalCurrent = 0.1 + 0.2;
    odd.pelletCount = 4294967295u;
    odd.width = 4.9406564584124654e-324;  // the least positive double
    odd.seebeckCoefficient = 1e-300;
    odd.thermalConductivity = 1.7976931348623157e308;
    const auto original = test::WriteCatalogue(dir.File("Base.tmb"), entries);

    const ToolRun dump = Tool({"dump", original, "--pictures", dir.File("pictures")});
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_NE(dump.out.find("\r\nТЭМ-127,6,127,0.0016,0.0014,40,40,3.8,1e+05,2e-04,1.5,0.png\r\n"),
              std::string::npos);
    EXPECT_NE(dump.out.find("\"A, \"\"quoted\"\" name\",0.30000000000000004,4294967295,"),
              std::string::npos);
    for (const char* file : {"0.png", "1.jpg", "2.bmp", "3.gif", "4.bin"}) {
        EXPECT_TRUE(std::filesystem::exists(dir.path() / "pictures" / file)) << file;
    }
    EXPECT_TRUE(dump.out.ends_with(",1.5,\r\n")) << "a module without picture names none";

    WriteText(dir.File("dump.csv"), dump.out);
    const ToolRun pack = Tool({"pack", dir.File("dump.csv"), "--pictures", dir.File("pictures"),
                               "-o", dir.File("Again.tmb")});
    ASSERT_EQ(pack.status, 0) << pack.err;
    EXPECT_EQ(test::ReadBytes(dir.File("Again.tmb")), test::ReadBytes(original));
}

TEST(BaseToolRoundTrip, TheSampleCatalogueSurvivesDumpAndPack) {
    test::TempDir dir;
    // A copy, as other tests hold the sample locked while they read it.
    const auto sample = test::ReadBytes(VANTIQ_SAMPLE_BASE);
    test::WriteBytes(dir.File("Sample.tmb"), sample);
    const ToolRun dump = Tool({"dump", dir.File("Sample.tmb"), "--pictures", dir.File("pictures")});
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_NE(dump.out.find(",0.png\r\n"), std::string::npos) << "drawn datasheets are PNG";
    WriteText(dir.File("dump.csv"), dump.out);
    ASSERT_EQ(Tool({"pack", dir.File("dump.csv"), "--pictures", dir.File("pictures"), "-o",
                    dir.File("Base.tmb")})
                  .status,
              0);
    EXPECT_EQ(test::ReadBytes(dir.File("Base.tmb")), sample);
}

TEST(BaseToolRoundTrip, DumpWithoutFolderLeavesThePictureColumnEmpty) {
    test::TempDir dir;
    const auto path = test::WriteCatalogue(
        dir.File("Base.tmb"), {{test::WorkedExampleModule("M"), Bytes("\x89PNG\r\n\x1A\n")}});
    const ToolRun dump = Tool({"dump", path});
    EXPECT_EQ(dump.status, 0);
    EXPECT_TRUE(dump.out.ends_with("\r\nM,6,127,0.0016,0.0014,40,40,3.8,1e+05,2e-04,1.5,\r\n"));
}

TEST(BaseToolPack, TakesPicturesByColumnThenByName) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "pics");
    WriteText(dir.File("pics/named.jpg"), "by column");
    WriteText(dir.File("pics/ТЭМ-1.bmp"), "by name, bmp");
    WriteText(dir.File("pics/B.png"), "by name, png first");
    WriteText(dir.File("pics/B.jpg"), "by name, jpg second");
    WriteText(dir.File("catalogue.csv"), kHeader + "A" + kFields + "named.jpg\n" + "ТЭМ-1" +
                                             kFields + "\n" + "B" + kFields + "\n" + "C" + kFields +
                                             "\n");
    const ToolRun pack = Tool({"pack", dir.File("catalogue.csv"), "--pictures", dir.File("pics"),
                               "-o", dir.File("Base.tmb")});
    ASSERT_EQ(pack.status, 0) << pack.err;
    const auto dump = Tool({"dump", dir.File("Base.tmb"), "--pictures", dir.File("out")});
    EXPECT_EQ(test::ReadBytes(dir.File("out/0.bin")), Bytes("by column"));
    EXPECT_EQ(test::ReadBytes(dir.File("out/1.bin")), Bytes("by name, bmp"));
    EXPECT_EQ(test::ReadBytes(dir.File("out/2.bin")), Bytes("by name, png first"));
    EXPECT_TRUE(dump.out.ends_with(",1.5,\r\n")) << "C has no picture";
}

TEST(BaseToolPack, DrawsADatasheetOnlyWhereThereIsNoPicture) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "pics");
    WriteText(dir.File("pics/A.gif"), "GIF89a");
    WriteText(dir.File("catalogue.csv"),
              kHeader + "A" + kFields + "A.gif\n" + "B" + kFields + "\n");
    ASSERT_EQ(Tool({"pack", dir.File("catalogue.csv"), "--draw-datasheets", "--pictures",
                    dir.File("pics"), "-o", dir.File("Base.tmb")})
                  .status,
              0);
    Tool({"dump", dir.File("Base.tmb"), "--pictures", dir.File("out")});
    EXPECT_EQ(test::ReadBytes(dir.File("out/0.gif")), Bytes("GIF89a"));
    const QImage sheet(QString::fromStdString(dir.File("out/1.png")));
    EXPECT_EQ(sheet.size(), QSize(1240, 1754));
}

TEST(BaseToolPack, ErrorsNameTheRowAndWriteNothing) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "pics");
    const std::string pics = dir.File("pics");
    const struct {
        std::string rows;
        bool withFolder;
        std::string error;
    } cases[] = {
        {"A" + kFields + "\nB" + kFields + "gone.png\n", true,
         ": row 2: cannot read the picture " + pics + "/gone.png\n"},
        {"A" + kFields + "a.png\n", false,
         ": row 1: picture 'a.png' is named but no --pictures folder is given\n"},
        {"A" + kFields + "\nB,x" + kFields.substr(2) + "\n", true,
         ": row 2: nominal_current is not a number: 'x'\n"},
        {"A,6,0,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n", true,
         ": row 1: pellet_count must be at least 1\n"},
        {"A" + kFields + "\nB,6,127,0.0016,0,40,40,3.8,1e5,2e-4,1.5,\n", true,
         ": row 2: pellet_side must be a positive number, found 0\n"},
        {"A,6,127,0.0016,0.0014,40,40,3.8,1e5,-2e-4,1.5,\n", true,
         ": row 1: seebeck_coefficient must be a positive number, found -2e-04\n"},
    };
    for (const auto& c : cases) {
        WriteText(dir.File("catalogue.csv"), kHeader + c.rows);
        std::vector<std::string> args = {"pack", dir.File("catalogue.csv"), "-o",
                                         dir.File("Base.tmb")};
        if (c.withFolder) {
            args.insert(args.end(), {"--pictures", pics});
        }
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "vantiq-basetool: " + dir.File("catalogue.csv") + c.error);
        EXPECT_FALSE(std::filesystem::exists(dir.File("Base.tmb")));
    }
    WriteText(dir.File("catalogue.csv"), kHeader + "A" + kFields + "\n");
    const ToolRun noFolder = Tool({"pack", dir.File("catalogue.csv"), "--pictures",
                                   dir.File("nowhere"), "-o", dir.File("Base.tmb")});
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err, "vantiq-basetool: " + dir.File("catalogue.csv") +
                                ": the pictures folder " + dir.File("nowhere") +
                                " does not exist\n");
}

const std::string kRatingsHeader =
    "name,couples,rated_thot_c,imax,umax,dtmax,qmax,width,length,height,ac_resistance\n";
const std::string kRatings =
    "R6,127,25,6.4,15.4,66,57,40,40,3.8,1.98\nR15,128,25,15.4,15.8,68,151,50,50,4.0,\n";

// A datasheet's ratings pack into the very catalogue that packing the fit's
// material form gives, beside a source of the material form in the same run;
// a row that cannot be fitted is named and nothing is written.
TEST(BaseToolFit, PackTakesRatingsAsTheFitWritesThem) {
    test::TempDir dir;
    WriteText(dir.File("ratings.csv"), kRatingsHeader + kRatings);
    WriteText(dir.File("material.csv"), kHeader + "A" + kFields + "\n");
    const ToolRun fit = Tool({"fit", dir.File("ratings.csv"), "-o", dir.File("fitted.csv")});
    ASSERT_EQ(fit.status, 0) << fit.err;
    EXPECT_NE(fit.out.find("R6,Imax (A),6.400,6.312,-1.4 %,\"legs assumed: 1.48 mm square"),
              std::string::npos)
        << fit.out;
    EXPECT_NE(fit.out.find("R6,AC resistance (ohm),1.9800,"), std::string::npos) << fit.out;
    EXPECT_NE(fit.out.find("R15,AC resistance (ohm),,"), std::string::npos) << fit.out;
    for (const auto& [source, base] :
         {std::pair{"ratings.csv", "direct.tmb"}, std::pair{"fitted.csv", "fitted.tmb"}}) {
        const ToolRun pack =
            Tool({"pack", dir.File(source), dir.File("material.csv"), "-o", dir.File(base)});
        ASSERT_EQ(pack.status, 0) << pack.err;
    }
    const auto packed = test::ReadBytes(dir.File("direct.tmb"));
    EXPECT_EQ(packed, test::ReadBytes(dir.File("fitted.tmb")));
    EXPECT_EQ(packed[0], 3);

    WriteText(dir.File("bad.csv"),
              kRatingsHeader + kRatings + "PELLETS,254,25,6.4,15.4,66,57,40,40,3.8,\n");
    for (const char* command : {"fit", "pack"}) {
        const ToolRun run = Tool({command, dir.File("bad.csv"), "-o", dir.File("out")});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "vantiq-basetool: " + dir.File("bad.csv") +
                               ": row 3: Umax is 0.061 V per couple, far outside 0.08...0.18 V: "
                               "were pellets counted instead of couples?\n")
            << command;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out"))) << command;
    }

    // A name that another source already gives is refused with both rows.
    WriteText(dir.File("again.csv"), kHeader + "A" + kFields + "\nR15" + kFields + "\n");
    const ToolRun twice =
        Tool({"pack", dir.File("ratings.csv"), dir.File("again.csv"), "-o", dir.File("out")});
    EXPECT_EQ(twice.status, 1);
    EXPECT_EQ(twice.err,
              "vantiq-basetool: the name 'R15' is given twice: " + dir.File("ratings.csv") +
                  " row 2 and " + dir.File("again.csv") + " row 2; nothing is written\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

// The shipped sample is the tests' catalogue followed by the datasheet
// modules, each of which the program derives as their fit reports.
TEST(SampleCatalogue, EndsWithTheDatasheetModulesAtTheirRatings) {
    const auto shipped = ReadCatalogue(VANTIQ_SHIPPED_SAMPLE);
    const auto tests = ReadCatalogue(VANTIQ_SAMPLE_BASE);
    const auto ratings = ParseRatingsCsv(ReadSourceText(VANTIQ_SAMPLE_RATINGS).value());
    ASSERT_TRUE(shipped.ok() && tests.ok() && ratings.ok());
    ASSERT_EQ(shipped->count, tests->count + ratings->size());
    for (std::uint32_t i = 0; i < tests->count; ++i) {
        EXPECT_EQ(shipped->entries[i].record.Name(), tests->entries[i].record.Name());
    }
    for (std::size_t k = 0; k < ratings->size(); ++k) {
        const RatingsRow& row = (*ratings)[k];
        TemRecord record = shipped->entries[tests->count + k].record;
        EXPECT_EQ(record.Name(), row.name);
        ASSERT_TRUE(DeriveRatedValues(record, row.ratings.ratedThotC + kCelsiusOffset));
        const RatedValues derived = record.rated;
        EXPECT_EQ(derived, FitRatings(row.ratings).derived) << row.name;
        EXPECT_FALSE(shipped->entries[tests->count + k].picture.empty()) << row.name;
    }
    const ToolRun check = Tool({"check", VANTIQ_SHIPPED_SAMPLE});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
}

TEST(BaseToolArgs, UsageErrorsAreNamed) {
    const struct {
        std::vector<std::string> args;
        std::string error;
    } cases[] = {
        {{"pack"}, "vantiq-basetool pack: expected 1 file name, found 0\n"},
        {{"pack", "a.csv"}, "vantiq-basetool: pack needs -o Base.tmb\n"},
        {{"pack", "a.csv", "-o"}, "vantiq-basetool pack: -o needs a value\n"},
        {{"pack", "a.csv", "-o", "x", "-o", "y"}, "vantiq-basetool pack: -o is given twice\n"},
        {{"dump", "Base.tmb", "--draw-datasheets"},
         "vantiq-basetool dump: unknown option --draw-datasheets\n"},
        {{"check", "a", "b"}, "vantiq-basetool check: expected 1 file name, found 2\n"},
        {{"check", "Base.tmb", "--thot-step", "0.5"},
         "vantiq-basetool: --thot-step takes a whole number of kelvin from 1 to 150\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.status, 2) << c.args[0];
        EXPECT_EQ(run.err.substr(0, c.error.size()), c.error);
    }
    EXPECT_EQ(Tool({"unpack"}).status, 2);
    EXPECT_EQ(Tool({"--help"}).status, 0);
}

TEST(BaseToolArgs, EachCommandHasItsHelpAndUsageErrorsPointToIt) {
    const ToolRun help = Tool({"pack", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--draw-datasheets"), std::string::npos);
    EXPECT_EQ(help.out.find("--thot-step"), std::string::npos);
    const ToolRun bad = Tool({"check", "a", "--thot-step"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err,
              "vantiq-basetool check: --thot-step needs a value\n"
              "Run 'vantiq-basetool check --help' for more.\n");
}

TEST(BaseToolDump, WithoutACatalogueTakesTheOneTheProgramsWouldOpen) {
    test::TempDir dir;
    test::CatalogueSearchScope scope(dir.path());
    const ToolRun missing = Tool({"dump"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(dir.File("Base.tmb") + ": not found"), std::string::npos)
        << missing.err;
    test::WriteCatalogue(dir.File("Base.tmb"), {{test::WorkedExampleModule("HERE"), {}}});
    const ToolRun found = Tool({"dump", "--pictures", dir.path().string()});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_NE(found.out.find("\nHERE,"), std::string::npos) << found.out;
}

// remove writes the catalogue without the named module and keeps the one
// before; a name it does not hold is named, with the file as it was.
TEST(BaseToolRemove, RemovesTheNamedModuleAndKeepsThePreviousFile) {
    test::TempDir dir;
    WriteText(dir.File("catalogue.csv"), kHeader + "A" + kFields + "\nB" + kFields + "\n");
    ASSERT_EQ(Tool({"pack", dir.File("catalogue.csv"), "-o", dir.File("Base.tmb")}).status, 0);
    const auto before = test::ReadBytes(dir.File("Base.tmb"));
    const ToolRun missing = Tool({"remove", dir.File("Base.tmb"), "--name", "C"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "vantiq-basetool: no module is named 'C'\n");
    EXPECT_EQ(test::ReadBytes(dir.File("Base.tmb")), before);
    const ToolRun removed = Tool({"remove", dir.File("Base.tmb"), "--name", "A"});
    ASSERT_EQ(removed.status, 0) << removed.err;
    const auto left = ReadCatalogue(dir.File("Base.tmb"));
    ASSERT_TRUE(left.ok());
    ASSERT_EQ(left->entries.size(), 1u);
    EXPECT_EQ(left->entries[0].record.Name(), "B");
    EXPECT_EQ(test::ReadBytes(dir.File("Base.tmb.bak")), before);
}

TEST(BaseToolDump, SaysWhatItCannotCarryOver) {
    test::TempDir dir;
    auto unassigned = test::WorkedExampleModule("C\x98");
    auto infinite = test::WorkedExampleModule("D");
    infinite.file.width = INFINITY;
    auto bytes = *EncodeBase({{test::WorkedExampleModule("A"), Bytes("0123456789")},
                              {test::WorkedExampleModule("B"), {}},
                              {unassigned, {}},
                              {infinite, {}}});
    WriteU32(50, bytes.data() + 4);  // picture 0 now claims 40 bytes more than there are
    std::fill_n(bytes.begin() + EntriesOffset(4) + kEntrySize, kNameSize, 'N');
    test::WriteBytes(dir.File("Base.tmb"), bytes);
    const ToolRun run = Tool({"dump", dir.File("Base.tmb")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "vantiq-basetool: module 0 'A': the picture reaches beyond the end of the file "
              "and is left out\n"
              "vantiq-basetool: module 1 'NNNNNNNNNNNNNNNNNNNNNNNNNNNNNN': the name has no NUL "
              "within its 30 bytes; pack will refuse it\n"
              "vantiq-basetool: module 2 'C\uFFFD': the name holds byte 0x98, which "
              "Windows-1251 leaves unassigned; pack will refuse it\n"
              "vantiq-basetool: module 3 'D': a number is infinite or not a number; pack will "
              "refuse it\n");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 5) << "every module is written";

    test::WriteBytes(dir.File("Empty.tmb"), {0, 0, 0, 0});
    const ToolRun empty = Tool({"dump", dir.File("Empty.tmb")});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err,
              "vantiq-basetool: " + dir.File("Empty.tmb") + ": the file counts 0 modules\n");
    EXPECT_EQ(empty.out, "");
}

}  // namespace
}  // namespace vantiq

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "cli_run.h"
#include "core/report/csv.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::CliRun;

TEST(ListCommand, PrintsEveryModuleWithItsRatedValues) {
    test::TempDir dir;
    auto dead = test::WorkedExampleModule("DEAD,ONE");
    dead.file.nominalCurrent = 0;
    const auto path = test::WriteCatalogue(
        dir.File("Base.tmb"), {{test::WorkedExampleModule("\xD2\xDD\xCC-1"), {}}, {dead, {}}});
    const CliRun run = test::CaptureCli({"--base", path, "list"});
    EXPECT_EQ(run.status, 0);
    const std::string header =
        "index,name,imax,umax,dtmax,qmax,ac_resistance,pellets,width,length,height\r\n";
    EXPECT_EQ(run.out.substr(0, header.size()), header);
    EXPECT_EQ(run.out.substr(header.size(), 33), "0,ТЭМ-1,6.1199999999999894,14.")
        << "names decoded, numbers in round-trip form";
    EXPECT_TRUE(run.out.ends_with("\r\n1,\"DEAD,ONE\",,,,,,127,40,40,3.8\r\n"));
    EXPECT_NE(run.err.find("DEAD,ONE"), std::string::npos) << "skipped modules are named";
}

TEST(ListCommand, SkippedNamesAreShownInUtf8) {
    test::TempDir dir;
    auto dead = test::WorkedExampleModule("\xD2\xDD\xCC-0");
    dead.file.pelletLength = -0.0016;
    const auto path = test::WriteCatalogue(dir.File("Base.tmb"), {{dead, {}}});
    const CliRun run = test::CaptureCli({"--base", path, "list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.ends_with("\nТЭМ-0\n")) << run.err;
}

TEST(ListCommand, MessagesEscapeControlCharactersWhileTheCsvKeepsThem) {
    test::TempDir dir;
    auto dead = test::WorkedExampleModule("\x1b]0;owned\x07\x1b[2J");
    dead.file.pelletCount = 0;
    const std::string clear = "CLEAR\x1b[2J\r\n";
    const auto path = test::WriteCatalogue(dir.File("Base.tmb"),
                                           {{dead, {}}, {test::WorkedExampleModule(clear), {}}});
    const CliRun run = test::CaptureCli({"--base", path, "list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.ends_with(":\n\\x1b]0;owned\\x07\\x1b[2J\n")) << run.err;
    EXPECT_NE(run.out.find("\r\n1,\"CLEAR\x1b[2J\r\n\",6."), std::string::npos)
        << "CSV cells are data, quoted byte for byte";
}

TEST(ListCommand, DtmaxIsPrintedAsItsMagnitude) {
    test::TempDir dir;
    const auto path =
        test::WriteCatalogue(dir.File("Base.tmb"), {{test::WorkedExampleModule(), {}}});
    const CliRun run = test::CaptureCli({"--base", path, "--thot-c", "25", "list"});
    const auto row = run.out.substr(run.out.find("\r\n0,") + 2);
    std::vector<std::string> fields;
    std::stringstream stream(row);
    for (std::string f; std::getline(stream, f, ',');) {
        fields.push_back(f);
    }
    ASSERT_GE(fields.size(), 5u);
    EXPECT_NEAR(std::stod(fields[4]), 67.75, 0.005);
}

TEST(ListCommand, BaseErrorsExitWithOne) {
    test::TempDir dir;
    const CliRun run = test::CaptureCli({"--base", dir.File("none.tmb"), "list"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("File not found or it's buzy by another process."), std::string::npos);
    EXPECT_EQ(run.out, "");
}

TEST(ListCommand, WithoutBaseTakesTheFirstCatalogueFoundAndNamesThePlacesTried) {
    test::TempDir dir;
    test::CatalogueSearchScope scope(dir.path());
    const CliRun missing = test::CaptureCli({"list"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(dir.File("Base.tmb") + ": not found"), std::string::npos);
    EXPECT_NE(missing.err.find(dir.File("data") + "/Kestrin/Vantiq/Base.tmb: not found"),
              std::string::npos)
        << missing.err;

    std::filesystem::create_directories(dir.path() / "data/Kestrin/Vantiq");
    test::WriteCatalogue(dir.File("data/Kestrin/Vantiq/Base.tmb"),
                         {{test::WorkedExampleModule("MINE"), {}}});
    const CliRun found = test::CaptureCli({"list"});
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_NE(found.out.find(",MINE,"), std::string::npos);
}

TEST(ListCommand, BadArgumentsExitWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate"},
                                                                  {"--thot-c", "101", "list"},
                                                                  {"--thot-c", "warm", "list"},
                                                                  {"--thot-c", "-51", "list"},
                                                                  {"list", "--bogus", "1"},
                                                                  {"--base"}}) {
        const CliRun run = test::CaptureCli(args);
        EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(run.err.find("--help' for more.\n"), std::string::npos) << run.err;
    }
    EXPECT_EQ(test::CaptureCli({"--help"}).status, 0);
}

TEST(ListCommand, SampleCatalogueDerivesEveryModule) {
    const CliRun run = test::CaptureCli({"--base", VANTIQ_SAMPLE_BASE, "list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_GE(std::count(run.out.begin(), run.out.end(), '\n'), 201);
    EXPECT_EQ(run.out.find(",,"), std::string::npos) << "every sample module must be derivable";
}

// The sample stands for real single-stage bismuth-telluride modules: at 25 °C
// vendors list a dTmax of about 64 to 75 K and some 0.11 to 0.12 V per couple,
// and for 127 couples of 1.4 x 1.4 x 1.6 mm about 6 A, 15 V, 68 K and 55 W.
TEST(ListCommand, SampleModulesRateLikeRealModules) {
    const CliRun run = test::CaptureCli({"--base", VANTIQ_SAMPLE_BASE, "--thot-c", "25", "list"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto rows = ParseCsv(run.out).value();
    rows.erase(rows.begin());  // the header
    ASSERT_EQ(rows.size(), 241u);
    int references = 0;
    for (const CsvRow& f : rows) {
        const double imax = std::stod(f[2]), umax = std::stod(f[3]);
        const double dtmax = std::stod(f[4]), qmax = std::stod(f[5]);
        EXPECT_GE(dtmax, 60.0) << f[1];
        EXPECT_LE(dtmax, 75.0) << f[1];
        const double voltsPerCouple = umax / std::stod(f[7]);
        EXPECT_GE(voltsPerCouple, 0.10) << f[1];
        EXPECT_LE(voltsPerCouple, 0.13) << f[1];
        if (f[1] == "VQ-127-1.4-1.60") {
            ++references;
            EXPECT_NEAR(imax, 6.0, 0.5);
            EXPECT_NEAR(umax, 15.0, 1.0);
            EXPECT_NEAR(dtmax, 68.0, 2.0);
            EXPECT_NEAR(qmax, 55.0, 3.0);
        }
    }
    EXPECT_EQ(references, 1);
}

}  // namespace
}  // namespace vantiq

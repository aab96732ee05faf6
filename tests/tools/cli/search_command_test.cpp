#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "cli_run.h"
#include "core/base/cp1251.h"
#include "core/model/base_derivation.h"
#include "core/model/hot_side.h"
#include "core/selection/list_actions.h"
#include "test_support.h"

namespace vantiq {
namespace {

const std::string kSearchHeader =
    "row,index,name,imax,umax,dtmax,qmax,ac_resistance,pellets,width,length,height\r\n";

using test::CliRun;

// The tool run on the sample catalogue.
CliRun SampleCli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--base", VANTIQ_SAMPLE_BASE});
    return test::CaptureCli(args);
}

// The first three fields of every row after the header.
std::vector<std::string> RowHeads(const std::string& csv) {
    std::vector<std::string> heads;
    std::istringstream lines(csv.substr(kSearchHeader.size()));
    for (std::string line; std::getline(lines, line);) {
        std::size_t end = 0;
        for (int field = 0; field < 3; ++field) {
            end = line.find(',', end) + 1;
        }
        heads.push_back(line.substr(0, end - 1));
    }
    return heads;
}

TEST(SearchCommand, GivesTheRowsOfTheWindowsList) {
    const CliRun run = SampleCli({"search", "--q", "5", "--dt", "30", "--supply-voltage", "14",
                                  "--supply-current", "12", "--sort", "qmax", "--order", "asc"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.out.substr(0, kSearchHeader.size()), kSearchHeader);

    TemBase base;
    ASSERT_TRUE(OpenBase(base, VANTIQ_SAMPLE_BASE).ok());
    ASSERT_TRUE(LoadBase(base, kDefaultThot).ok());
    SearchCriteria criteria;
    criteria.requiredQ = 5;
    criteria.requiredDT = 30;
    criteria.supplyVoltage = 14;
    criteria.supplyCurrent = 12;
    ResultList list;
    ASSERT_TRUE(
        ListSearchResult(base, kDefaultThot, criteria, SortKey::Qmax, SortOrder::Ascending, list));
    std::vector<std::string> expected;
    for (std::size_t k = 0; k < list.size(); ++k) {
        expected.push_back(std::to_string(k) + "," + std::to_string(list.Modules(base)[k]) + "," +
                           Cp1251ToUtf8(list.Rows()[k]));
    }
    EXPECT_EQ(RowHeads(run.out), expected);
    EXPECT_EQ(run.err,
              "Your search creteria is:\r\n\"Q >= 5.00 [W]\"\r\n\"dT >= 30.00 [°C]\"\r\n"
              "\"Unominal >= 14.00 [V]\"\r\n\"Imax >= 12.00 [A]\"\r\n");
}

TEST(SearchCommand, NoCriterionListsTheWholeBaseByNameDescending) {
    const CliRun run = SampleCli({"search"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Your search creteria is:\r\n");
    const auto rows = RowHeads(run.out);
    ASSERT_EQ(rows.size(), 241u);
    EXPECT_TRUE(rows.front().starts_with("0,")) << rows.front();
    EXPECT_NE(rows.front().find("ТЭМ"), std::string::npos) << "Cyrillic bytes sort highest";
    EXPECT_NE(rows.back().find(",VQ-"), std::string::npos) << rows.back();
}

TEST(SearchCommand, NameFragmentIsWindows1251AndCaseSensitive) {
    const CliRun upper = SampleCli({"search", "--name", "ТЭМ 017", "--sort", "pellets"});
    EXPECT_EQ(upper.status, 0);
    EXPECT_FALSE(RowHeads(upper.out).empty());
    EXPECT_NE(upper.err.find("\"TEM name search string = ТЭМ 017\"\r\n"), std::string::npos);
    const CliRun lower = SampleCli({"search", "--name", "тэм"});
    EXPECT_EQ(lower.status, 0);
    EXPECT_EQ(lower.out, kSearchHeader);
}

TEST(SearchCommand, NoMatchPrintsTheNoticeAndTheHeaderOnly) {
    const CliRun run = SampleCli({"search", "--q", "5000"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kSearchHeader);
    EXPECT_EQ(run.err,
              "Your search creteria is:\r\n\"Q >= 5000.00 [W]\"\r\n"
              "There is no TEM found that meets requested requirements\n");
}

TEST(SearchCommand, BadOptionsAreUsageErrorsNamingTheOption) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--q", "12W"}, "--q"},
        {{"--dt", "nan"}, "--dt"},
        {{"--width", ""}, "--width"},
        {{"--supply-voltage", "inf"}, "--supply-voltage"},
        {{"--tolerance", "3"}, "--tolerance"},
        {{"--mode", "ac"}, "--mode"},
        {{"--sort", "price"}, "--sort"},
        {{"--order", "up"}, "--order"},
        {{"--name", std::string(30, 'x')}, "--name"},
        {{"--name", "日本"}, "--name"},
        {{"--colour", "red"}, "--colour"},
    };
    for (const auto& [options, name] : cases) {
        std::vector<std::string> args = {"search"};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun run = SampleCli(args);
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_NE(run.err.find(name), std::string::npos) << run.err.substr(0, 80);
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace vantiq

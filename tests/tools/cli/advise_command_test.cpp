#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "cli/cli_app.h"
#include "cli_run.h"
#include "core/advisor/advice_check.h"
#include "core/report/csv.h"
#include "test_support.h"

namespace vantiq {
namespace {

const std::string kAdviseHeader =
    "row,index,name,modules,wiring,current,voltage,power,cop,heat_rejected,thot,dt,qmax_at_dt\r\n";
const std::string kHint = "Run 'vantiq-cli advise --help' for more.\n";

using test::CliRun;

CliRun Advise(const std::vector<std::string>& options) {
    std::vector<std::string> args = {"--base", VANTIQ_SAMPLE_BASE, "advise"};
    args.insert(args.end(), options.begin(), options.end());
    return test::CaptureCli(args);
}

std::vector<CsvRow> Rows(const CliRun& run) {
    auto rows = ParseCsv(run.out).value();
    rows.erase(rows.begin());
    return rows;
}

// Two modules in parallel from a 10 A supply: every row must be a set of two
// whose supply current stays within 10 A, whose figures agree with each
// other, and the rows must come by rising power.
TEST(AdviseCommand, RowsAreConsistentSetsInPowerOrder) {
    const CliRun run = Advise({"--q", "20", "--dt", "30", "--modules", "2", "--wiring", "parallel",
                               "--supply-current", "10"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(run.out.starts_with(kAdviseHeader));
    const auto rows = Rows(run);
    ASSERT_GT(rows.size(), 20u);
    double lastPower = 0.0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const CsvRow& f = rows[k];
        ASSERT_EQ(f.size(), 13u);
        EXPECT_EQ(f[0], std::to_string(k));
        EXPECT_EQ(f[3], "2");
        EXPECT_EQ(f[4], "parallel");
        const double current = std::stod(f[5]);
        const double voltage = std::stod(f[6]);
        const double power = std::stod(f[7]);
        EXPECT_LE(2 * current, 10.0);
        EXPECT_NEAR(power, 2 * current * voltage, 1e-9 * power);
        EXPECT_NEAR(std::stod(f[8]), 20.0 / power, 1e-12);
        EXPECT_NEAR(std::stod(f[9]), 20.0 + power, 1e-9);
        EXPECT_EQ(f[10], "25") << "the hot side is printed in degrees Celsius";
        EXPECT_EQ(f[11], "30");
        EXPECT_GE(power, lastPower);
        lastPower = power;
    }
}

TEST(AdviseCommand, KeysHaveTheirOwnDirectionAndOrderTurnsThem) {
    const std::vector<std::string> base = {"--q", "10", "--dt", "20", "--sort", "cop"};
    const auto descending = Rows(Advise(base));
    auto reversed = base;
    reversed.insert(reversed.end(), {"--order", "asc"});
    const auto ascending = Rows(Advise(reversed));
    ASSERT_GT(descending.size(), 2u);
    ASSERT_EQ(descending.size(), ascending.size());
    EXPECT_GE(std::stod(descending.front()[8]), std::stod(descending.back()[8]));
    EXPECT_LE(std::stod(ascending.front()[8]), std::stod(ascending.back()[8]));
}

TEST(AdviseCommand, NothingFoundCountsTheReasons) {
    const CliRun run = Advise({"--q", "200", "--dt", "30"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kAdviseHeader);
    EXPECT_TRUE(run.err.starts_with("No module can carry this load within these limits\n"));
    EXPECT_NE(run.err.find(" modules cannot pump 200.0 W at dT 30 K\n"), std::string::npos)
        << run.err;
}

TEST(AdviseCommand, WhyGivesTheRowOrTheReason) {
    const std::vector<std::string> request = {"--q", "20", "--dt", "30", "--supply-voltage", "12"};
    const auto rows = Rows(Advise(request));
    ASSERT_FALSE(rows.empty());
    auto asked = request;
    asked.insert(asked.end(), {"--why", rows[1][2]});
    const CliRun result = Advise(asked);
    EXPECT_EQ(result.out, kAdviseHeader + FormatCsvRow(rows[1]));

    const CliRun all = Advise({"--q", "20", "--dt", "30"});
    std::string refused;
    char needs[96] = "";
    for (const auto& row : Rows(all)) {
        if (std::stod(row[6]) > 12.0 && refused.empty()) {
            refused = row[2];
            // The reason carries the figures of that module's own row.
            std::snprintf(needs, sizeof needs, "%.1f V at %.2f A, %.1f W", std::stod(row[6]),
                          std::stod(row[5]), std::stod(row[7]));
        }
    }
    ASSERT_FALSE(refused.empty());
    asked.back() = refused;
    EXPECT_EQ(Advise(asked).out, refused + " is not a result: it needs more than 12.0 V: " + needs +
                                     "; the supply gives 12.0 V\n");
    asked.insert(asked.end(), {"--width", "1"});
    EXPECT_EQ(Advise(asked).out,
              refused + " is not a result: it exceeds the largest dimensions given\n");
    asked.back() = "1";
    asked[asked.size() - 3] = "NO-SUCH";
    EXPECT_EQ(Advise(asked).status, 1);
}

// Past what one stage reaches, stacks carry the load: one row per top module,
// by rising power, the supply's limits kept; far past it, the message gives
// how far stacks get.
TEST(AdviseCommand, StacksReachWhereOneStageCannot) {
    const std::vector<std::string> request = {
        "--q", "2",        "--dt", "80", "--supply-voltage", "15", "--supply-current",
        "6",   "--stages", "2"};
    const CliRun run = Advise(request);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(run.out.starts_with(
        "row,index,name,modules,index_bottom,name_bottom,modules_bottom,current,voltage,"
        "current_bottom,voltage_bottom,power,cop,t_between,thot,dt,currents\r\n"));
    const auto rows = Rows(run);
    ASSERT_GT(rows.size(), 100u);
    double lastPower = 0.0;
    for (const CsvRow& f : rows) {
        ASSERT_EQ(f.size(), 17u);
        const double power = std::stod(f[11]);
        EXPECT_LE(std::stod(f[3]) * std::stod(f[8]), 15.0);
        EXPECT_LE(std::stod(f[6]) * std::stod(f[10]), 15.0);
        EXPECT_LE(std::max(std::stod(f[7]), std::stod(f[9])), 6.0);
        EXPECT_GE(power, lastPower);
        EXPECT_EQ(f[14] + "," + f[15] + "," + f[16], "25,80,separate");
        lastPower = power;
    }
    const CliRun single = Advise({"--q", "2", "--dt", "80"});
    EXPECT_EQ(Rows(single).size(), 0u);
    EXPECT_NE(single.err.find("; no single module reaches dT 80 K (the most is "),
              std::string::npos)
        << single.err;
    EXPECT_TRUE(single.err.ends_with("): a two-stage stack is needed\n")) << single.err;
    const CliRun why = Advise({"--q", "2", "--dt", "80", "--why", rows[0][2]});
    EXPECT_TRUE(
        why.out.ends_with("cannot pump 2.0 W at dT 80 K; no single module reaches dT 80 K "
                          "(the most is " +
                          single.err.substr(single.err.find("most is ") + 8)))
        << why.out;
    const CliRun none = Advise({"--q", "20", "--dt", "110", "--stages", "2"});
    EXPECT_EQ(none.err,
              "No stack can carry this load within these limits: the best dT found is 104.8 K\n");
}

// With the sink's resistance left out, every module that holds the load at
// ambient is listed with the largest resistance it holds with, most first;
// asked with half that resistance, the module is a result again.
TEST(AdviseCommand, ASinkLeftOutRanksModulesByTheSinkTheyNeed) {
    const std::vector<std::string> request = {"--q", "5", "--cold-c", "1", "--ambient-c", "25"};
    const CliRun run = Advise(request);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with(kAdviseHeader.substr(0, kAdviseHeader.size() - 2) +
                                    ",sink_rth_max\r\n"));
    const auto rows = Rows(run);
    ASSERT_GT(rows.size(), 100u);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k][10], "25");
        if (k > 0) {
            EXPECT_GE(std::stod(rows[k - 1][13]), std::stod(rows[k][13]));
        }
    }
    const CsvRow& middle = rows[rows.size() / 2];
    auto given = request;
    given.insert(given.end(),
                 {"--sink-rth", std::to_string(std::stod(middle[13]) / 2), "--why", middle[2]});
    const auto again = Rows(Advise(given));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0][13], middle[13]);
}

// A cold mass adds the pull-down columns to every row of one stage, of
// stacks and of --why, leaving the other columns as they were; the times
// grow with the mass, and a row says never only where no current gets there.
TEST(AdviseCommand, ColdMassAddsThePullDownToEveryRow) {
    struct Case {
        std::vector<std::string> request;
        std::size_t columns;
    };
    const Case cases[] = {
        {{"--q", "20", "--dt", "40", "--modules", "auto"}, 13},
        {{"--q", "2", "--dt", "80", "--stages", "2", "--currents", "shared"}, 17},
    };
    std::size_t never = 0;
    for (const Case& c : cases) {
        const auto plain = Rows(Advise(c.request));
        auto heavy = c.request;
        heavy.insert(heavy.end(), {"--mass-j-per-k", "300"});
        auto light = c.request;
        light.insert(light.end(), {"--mass-j-per-k", "100"});
        const CliRun run = Advise(heavy);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string header = run.out.substr(0, run.out.find('\r'));
        EXPECT_TRUE(header.ends_with(c.columns == 13
                                         ? ",pull_down_current,pull_down_s"
                                         : ",pull_down_current,pull_down_current_bottom,"
                                           "pull_down_s"));
        const auto rows = Rows(run);
        const auto lighter = Rows(Advise(light));
        ASSERT_EQ(rows.size(), plain.size());
        ASSERT_GT(rows.size(), 10u);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            EXPECT_EQ(CsvRow(rows[k].begin(), rows[k].begin() + c.columns), plain[k]);
            const std::string& seconds = rows[k].back();
            if (seconds == "never") {
                ++never;
                EXPECT_EQ(lighter[k].back(), "never");
            } else {
                EXPECT_NEAR(std::stod(seconds), 3 * std::stod(lighter[k].back()),
                            1e-9 * std::stod(seconds));
            }
        }
    }
    EXPECT_GT(never, 0u);
    // Driven at their best currents, every stack that holds 1 W at dT 70 K
    // from 15 V, 6 A gets there, where their largest currents overdrive most.
    const auto stacks =
        Rows(Advise({"--q", "1", "--dt", "70", "--supply-voltage", "15", "--supply-current", "6",
                     "--stages", "2", "--mass-j-per-k", "50"}));
    ASSERT_GT(stacks.size(), 200u);
    for (const CsvRow& stack : stacks) {
        EXPECT_NE(stack.back(), "never") << stack[2] << " on " << stack[5];
    }
    const auto rows = Rows(Advise({"--q", "20", "--dt", "40", "--mass-j-per-k", "300"}));
    const CliRun why =
        Advise({"--q", "20", "--dt", "40", "--mass-j-per-k", "300", "--why", rows[2][2]});
    EXPECT_EQ(why.out.substr(why.out.find('\n') + 1), FormatCsvRow(rows[2]));
}

TEST(AdviseCommand, BadRequestsAreOneLineNamingTheOption) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--dt", "30"}, "--q"},
        {{"--q", "0", "--dt", "30"}, "--q"},
        {{"--q", "nan", "--dt", "30"}, "--q"},
        {{"--q", "0x10", "--dt", "30"}, "--q"},
        {{"--q", "5"}, "--dt"},
        {{"--q", "5", "--dt", "-1"}, "--dt"},
        {{"--q", "5", "--dt", "3", "--sink-rth", "1"}, "--dt"},
        {{"--q", "5", "--cold-c", "1", "--sink-rth", "1"}, "--ambient-c"},
        {{"--q", "5", "--dt", "3", "--sort", "sink-rth"}, "--sort"},
        {{"--q", "5", "--cold-c", "25", "--ambient-c", "25", "--sink-rth", "1"}, "--cold-c"},
        {{"--q", "5", "--cold-c", "1", "--ambient-c", "101", "--sink-rth", "1"}, "--ambient-c"},
        {{"--q", "5", "--cold-c", "1", "--ambient-c", "25", "--sink-rth", "-1"}, "--sink-rth"},
        {{"--q", "5", "--dt", "3", "--supply-voltage", "-1"}, "--supply-voltage"},
        {{"--q", "5", "--dt", "3", "--modules", "0"}, "--modules"},
        {{"--q", "5", "--dt", "3", "--modules", "65"}, "--modules"},
        {{"--q", "5", "--dt", "3", "--modules", "1.5"}, "--modules"},
        {{"--q", "5", "--dt", "3", "--wiring", "star"}, "--wiring"},
        {{"--q", "5", "--dt", "3", "--sort", "qmax"}, "--sort"},
        {{"--q", "5", "--dt", "3", "--order", "up"}, "--order"},
        {{"--q", "5", "--dt", "3", "--resistance", "2"}, "--resistance"},
        {{"--q", "5", "--dt", "3", "--q", "6"}, "--q"},
        {{"--q", "5", "--dt", "3", "--stages", "3"}, "--stages"},
        {{"--q", "5", "--dt", "3", "--currents", "shared"}, "--currents"},
        {{"--q", "5", "--dt", "3", "--stages", "2", "--wiring", "series"}, "--wiring"},
        {{"--q", "5", "--dt", "3", "--mass-j-per-k", "-1"}, "--mass-j-per-k"},
        {{"--q", "5", "--dt", "3", "--mass-j-per-k", "heavy"}, "--mass-j-per-k"},
    };
    for (const auto& [options, name] : cases) {
        const CliRun run = Advise(options);
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("vantiq-cli: ")) << run.err;
        EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
        EXPECT_TRUE(run.err.ends_with(kHint)) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    }
    // The fault reads as the window tells it.
    AdviceRequest hot;
    hot.criteria.requiredQ = 5.0;
    hot.sink = HeatSink{374.0, 1.0, 274.0};
    EXPECT_NE(Advise({"--q", "5", "--cold-c", "1", "--ambient-c", "101", "--sink-rth", "1"})
                  .err.find(CheckAdviceRequest(hot)->message),
              std::string::npos);
}

TEST(AdviseCommand, EveryCommandHasItsOwnHelp) {
    for (const char* command : {"list", "search", "advise"}) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli({command, "--help"}, out, err), 0);
        EXPECT_NE(out.str().find(std::string("vantiq-cli ") + command), std::string::npos);
    }
    std::ostringstream out, err;
    RunCli({"advise", "-h"}, out, err);
    EXPECT_NE(out.str().find("--sink-rth KPW"), std::string::npos);
    EXPECT_EQ(out.str().find("--tolerance"), std::string::npos) << "search's options stay its own";
}

}  // namespace
}  // namespace vantiq

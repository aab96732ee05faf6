#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "test_support.h"

namespace vantiq {
namespace {

TEST(CliOptions, HotSideMustBeAFiniteTemperatureInRange) {
    const std::string message = "--thot-c takes a temperature from -50 to 100 (degrees Celsius)";
    for (const char* text :
         {"nan", "inf", "-inf", "1e308", "-1e308", "100.0000001", "-50.5", "25C", "", " 25"}) {
        const ParsedArgs parsed = ParseArgs({"--thot-c", text, "list"});
        EXPECT_EQ(parsed.error, message) << '"' << text << '"';
    }
    EXPECT_EQ(ParseArgs({"--thot-c", "-50", "list"}).global.thot, 223.0);
    EXPECT_EQ(ParseArgs({"--thot-c", "100", "list"}).global.thot, 373.0);
}

TEST(CliOptions, CommandNumbersNameTheOptionAndTheText) {
    const ParsedArgs parsed = ParseArgs({"search", "--q", "nan", "--dt", "1e308"});
    double q = 7.0;
    EXPECT_EQ(ReadNumberOption(parsed, "q", q), "--q takes a number, not 'nan'");
    EXPECT_EQ(q, 7.0) << "a refused option leaves the value alone";
    double dt = 0.0;
    EXPECT_EQ(ReadNumberOption(parsed, "dt", dt), "");
    EXPECT_EQ(dt, 1e308);
}

TEST(CliOptions, BadHotSideExitsWithUsage) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--thot-c", "nan", "list"}, out, err), kExitUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_TRUE(err.str().starts_with(
        "vantiq-cli: --thot-c takes a temperature from -50 to 100 (degrees Celsius)\n"));
}

}  // namespace
}  // namespace vantiq

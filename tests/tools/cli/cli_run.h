#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace vantiq::test {

// One run of the command-line tool in this process: its exit status and what
// it wrote to each stream.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun CaptureCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace vantiq::test

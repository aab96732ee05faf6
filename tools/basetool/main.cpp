#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "basetool/basetool_app.h"

int main(int argc, char** argv) {
    // Past a file size limit a write must fail with its error, so that pack
    // can report it and remove its temporary file, rather than end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vantiq::RunBaseTool(args, std::cout, std::cerr);
}

#include <iostream>

#include "cli/cli_app.h"
#include "common/standard_output.h"
#include "common/utf8_arguments.h"

int main(int argc, char** argv) {
    vantiq::PrepareStandardOutput();
    return vantiq::RunCli(vantiq::Utf8Arguments(argc, argv), std::cout, std::cerr);
}

#include <iostream>

#include "cli/cli_app.h"
#include "common/utf8_arguments.h"

int main(int argc, char** argv) {
    return vantiq::RunCli(vantiq::Utf8Arguments(argc, argv), std::cout, std::cerr);
}

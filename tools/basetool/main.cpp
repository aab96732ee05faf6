#include <csignal>
#include <iostream>

#include "basetool/basetool_app.h"
#include "common/standard_output.h"
#include "common/utf8_arguments.h"

int main(int argc, char** argv) {
    // Past a file size limit a write must fail with its error, so that pack
    // can report it and remove its temporary file, rather than end the process.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    vantiq::PrepareStandardOutput();
    return vantiq::RunBaseTool(vantiq::Utf8Arguments(argc, argv), std::cout, std::cerr);
}

#include <iostream>

#include "basetool/basetool_app.h"
#include "common/utf8_arguments.h"

int main(int argc, char** argv) {
    return vantiq::RunBaseTool(vantiq::Utf8Arguments(argc, argv), std::cout, std::cerr);
}

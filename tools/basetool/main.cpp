#include <iostream>
#include <string>
#include <vector>

#include "basetool/basetool_app.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vantiq::RunBaseTool(args, std::cout, std::cerr);
}

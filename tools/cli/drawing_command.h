#pragma once

#include <ostream>
#include <string>

#include "base/tem_base.h"
#include "cli_options.h"
#include "exit_status.h"
#include "gui_application.h"
#include "module_table.h"

namespace vantiq {

// The common course of the commands that draw one module into a file: read
// the request (`read` returns a usage error or empty), load the catalogue with
// `request.module` selected, start the Qt application drawing needs, and let
// `write` produce `request.output` (false when the file cannot be written).
template <typename Request, typename Read, typename Write>
int RunDrawingCommand(const ParsedArgs& args, std::ostream& err, Read read, Write write) {
    Request request;
    if (const auto error = read(args, request); !error.empty()) {
        err << "vantiq-cli: " << error << "\n";
        return kExitUsage;
    }
    TemBase base;
    if (!LoadAndSelect(args.global, request.module, base, err)) {
        return kExitFailure;
    }
    const auto app = EnsureGuiApplication();
    if (!write(base, request)) {
        err << "vantiq-cli: cannot write " << request.output << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq

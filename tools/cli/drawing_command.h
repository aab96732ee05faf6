#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/module_table.h"
#include "common/exit_status.h"
#include "common/headless_app.h"
#include "core/base/safe_text.h"
#include "core/base/tem_base.h"

namespace vantiq {

// The common course of the commands that draw one module into a file: read
// the request (`read` returns a usage error or empty), load the catalogue with
// `request.module` found, start the Qt application drawing needs, and let
// `write(base, module, thot, request)` produce `request.output` for that
// module at the options' hot side (false when the file cannot be written).
template <typename Request, typename Read, typename Write>
int RunDrawingCommand(const ParsedArgs& args, std::ostream& err, Read read, Write write) {
    Request request;
    if (const auto error = read(args, request); !error.empty()) {
        err << "vantiq-cli: " << error << "\n";
        return kExitUsage;
    }
    TemBase base;
    const std::optional<std::int32_t> module =
        LoadAndSelect(args.global, request.module, base, err);
    if (!module) {
        return kExitFailure;
    }
    EnsureGuiApplication();
    if (!write(base, *module, args.global.thot, request)) {
        err << "vantiq-cli: cannot write " << EscapeControls(request.output) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq

#include <ostream>

#include "cli_app.h"
#include "print_command.h"

namespace vantiq {

// Built without Qt there is nothing to draw with.
int RunPrintCommand(const ParsedArgs&, std::ostream&, std::ostream& err) {
    err << "vantiq-cli: print needs the drawing library; this build has none\n";
    return kExitFailure;
}

}  // namespace vantiq

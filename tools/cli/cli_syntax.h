#pragma once

#include "common/command_line.h"

namespace vantiq {

// What vantiq-cli accepts: its global options and every command with its
// options and help, as --help prints them. The drawing commands are there
// only in a build with the drawing library.
const ToolSpec& CliSyntax();

}  // namespace vantiq

#pragma once

#include "common/command_line.h"

namespace vantiq {

// The words of one basetool command as CLI11 sorted them: its file names,
// its options keyed as written ("-o", "--pictures") and its flags.
using CommandArgs = CommandLine;

// What vantiq-basetool accepts: pack, dump and check, each with its file
// name, its options and its own --help.
const ToolSpec& BaseToolSyntax();

}  // namespace vantiq

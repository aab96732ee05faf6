#pragma once

namespace vantiq {

// Readies standard output for what the tools write. On Windows the console is
// told to show UTF-8, and the stream is made binary, so that the CSV's CR LF
// line ends reach a file as they are, not as CR CR LF. Elsewhere it does
// nothing.
void PrepareStandardOutput();

}  // namespace vantiq

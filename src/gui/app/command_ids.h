#pragma once

namespace vantiq {

// The print commands of the File menu; the printing receives them through
// CMainFrame::PrintRequested.
inline constexpr int ID_FILE_PRINT_DATASHEET = 32774;
inline constexpr int ID_FILE_PRINT_GRAPHS = 32775;

}  // namespace vantiq

#pragma once

namespace vantiq {

// The page commands of the File menu; the printing receives them through
// CMainFrame::PrintRequested.
inline constexpr int ID_FILE_PRINT_DATASHEET = 32774;
inline constexpr int ID_FILE_PRINT_GRAPHS = 32775;
inline constexpr int ID_FILE_EXPORT_DATASHEET = 32777;
inline constexpr int ID_FILE_EXPORT_GRAPHS = 32778;

}  // namespace vantiq

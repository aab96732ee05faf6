#pragma once

#include <vector>

namespace vantiq {

// The cold-side temperatures the derivation scans for every current, K: from
// 200 K upward by 0.05 K while Tc <= 400 K.
inline constexpr double kScanStart = 200.0;
inline constexpr double kScanStep = 0.05;
inline constexpr double kScanEnd = 400.0;

// The scanned temperatures in order, each the previous one plus the step, so
// every value equals the one a scan reaches by repeated addition. Built once
// on first use (thread-safe) and shared by all modules and threads.
const std::vector<double>& BalanceGrid();

// The temperatures of the second scan, for currents whose balance lies below
// kScanStart: from 100 K upward by the same step while Tc < kScanStart.
const std::vector<double>& LowBalanceGrid();

}  // namespace vantiq

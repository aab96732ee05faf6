#pragma once

#include <array>
#include <optional>

namespace vantiq {

using Vec3 = std::array<double, 3>;
using Mat3 = std::array<Vec3, 3>;  // rows

// The solution of a·x = b by Gauss-Jordan with partial pivoting; nullopt
// when a is singular.
std::optional<Vec3> Solve3(Mat3 a, Vec3 b);

// The largest magnitude of the three.
double LargestOf(const Vec3& v);

}  // namespace vantiq

#include "core/fit/fit_algebra.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vantiq {

std::optional<Vec3> Solve3(Mat3 a, Vec3 b) {
    for (int c = 0; c < 3; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 3; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (!(std::fabs(a[pivot][c]) > 1e-300))
            return std::nullopt;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (int r = 0; r < 3; ++r) {
            if (r == c)
                continue;
            const double f = a[r][c] / a[c][c];
            for (int k = 0; k < 3; ++k)
                a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    return Vec3{b[0] / a[0][0], b[1] / a[1][1], b[2] / a[2][2]};
}

double LargestOf(const Vec3& v) {
    return std::max({std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])});
}

}  // namespace vantiq

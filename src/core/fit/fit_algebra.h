#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

namespace vantiq {

template <std::size_t N>
using VecN = std::array<double, N>;
template <std::size_t N>
using MatN = std::array<VecN<N>, N>;  // rows

using Vec3 = VecN<3>;
using Mat3 = MatN<3>;

// The solution of a·x = b by Gauss-Jordan with partial pivoting; nullopt
// when a is singular.
template <std::size_t N>
std::optional<VecN<N>> SolveLinear(MatN<N> a, VecN<N> b) {
    for (std::size_t c = 0; c < N; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < N; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c]))
                pivot = r;
        if (!(std::fabs(a[pivot][c]) > 1e-300))
            return std::nullopt;
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (std::size_t r = 0; r < N; ++r) {
            if (r == c)
                continue;
            const double f = a[r][c] / a[c][c];
            for (std::size_t k = 0; k < N; ++k)
                a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    VecN<N> x{};
    for (std::size_t i = 0; i < N; ++i)
        x[i] = b[i] / a[i][i];
    return x;
}

inline std::optional<Vec3> Solve3(const Mat3& a, const Vec3& b) {
    return SolveLinear<3>(a, b);
}

// The determinant of a 3 × 3 matrix.
double Determinant3(const Mat3& a);

// The largest magnitude of the three.
double LargestOf(const Vec3& v);

}  // namespace vantiq

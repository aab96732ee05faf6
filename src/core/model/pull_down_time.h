#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace vantiq {

namespace pull_down_detail {

// Four-point Gauss-Legendre on [-1, 1], the nodes of one half and their
// weights; the other half mirrors them.
inline constexpr std::array<double, 2> kNodes = {0.3399810435848563, 0.8611363115940526};
inline constexpr std::array<double, 2> kWeights = {0.6521451548625461, 0.3478548451374538};

// The span of ln(net) one panel covers, and the most panels taken: enough
// for a net heat at the cold side e^-128 times the one at the hot side.
inline constexpr double kPanelSpan = 2.0;
inline constexpr int kMostPanels = 64;

// Below this span of ln(net) the net heat hardly changes and 1/net is
// integrated as it is.
inline constexpr double kFlatSpan = 0.01;

// ∫ f over [a, b] in `panels` equal panels; nullopt as soon as f is not a
// finite positive number, where the net heat has stopped drawing.
template <class F>
std::optional<double> Integrate(const F& f, double a, double b, int panels) {
    const double width = (b - a) / panels;
    double sum = 0.0;
    for (int p = 0; p < panels; ++p) {
        const double middle = a + (p + 0.5) * width;
        for (std::size_t k = 0; k < kNodes.size(); ++k) {
            for (const double side : {-1.0, 1.0}) {
                const double v = f(middle + side * width / 2 * kNodes[k]);
                if (!(v > 0.0) || !std::isfinite(v)) {
                    return std::nullopt;
                }
                sum += kWeights[k] * v;
            }
        }
    }
    return sum * width / 2;
}

}  // namespace pull_down_detail

// How long a cold side of heat capacity `mass` (J/K) takes to fall from the
// hot side `th` to `tc` (K) while `net(T)` (W) is the heat drawn from it
// beyond its load at cold side T: t = mass · ∫ dT / net(T) from tc to th.
// nullopt when the net heat is 0 or less at either end or at any point the
// integral looks at, where the cold side stalls short of tc; 0 when tc is not
// below th.
//
// The net heat is close to a straight line in T, so 1/net is close to a
// hyperbola, steep near tc when the margin there is small. In s = ln L(T),
// L the chord through the net heat at both ends, the integrand becomes
// L / (|L'|·net), which stays near one however small that margin is, so a
// few Gauss-Legendre panels reach about 1e-8.
template <class Net>
std::optional<double> PullDownSeconds(const Net& net, double tc, double th, double mass) {
    using namespace pull_down_detail;
    if (!(tc < th)) {
        return 0.0;
    }
    const double cold = net(tc);
    const double hot = net(th);
    if (!(cold > 0.0 && hot > 0.0)) {
        return std::nullopt;
    }
    const double s0 = std::log(cold);
    const double s1 = std::log(hot);
    std::optional<double> integral;
    if (std::abs(s1 - s0) < kFlatSpan) {
        integral = Integrate([&](double t) { return 1 / net(t); }, tc, th, 1);
    } else {
        const double slope = (hot - cold) / (th - tc);
        const auto inS = [&](double s) {
            const double chord = std::exp(s);
            return chord / (std::abs(slope) * net(tc + (chord - cold) / slope));
        };
        const double span = std::abs(s1 - s0);
        const int panels =
            std::clamp(static_cast<int>(std::ceil(span / kPanelSpan)), 1, kMostPanels);
        integral = Integrate(inS, std::min(s0, s1), std::max(s0, s1), panels);
    }
    if (!integral) {
        return std::nullopt;
    }
    return mass * *integral;
}

}  // namespace vantiq

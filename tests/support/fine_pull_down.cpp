#include "fine_pull_down.h"

namespace vantiq::test {

std::optional<double> FinePullDown(const std::function<double(double)>& net, double tc, double th,
                                   double mass, double scale, int steps) {
    constexpr int kGrid = 4000;
    for (int k = 0; k <= kGrid; ++k) {
        if (!(net(tc + (th - tc) * k / kGrid) > 0.0)) {
            return std::nullopt;
        }
    }
    const double h = scale / steps;
    const auto rate = [&](double t) { return -net(t) / mass; };
    double t = th;
    double time = 0.0;
    while (t > tc) {
        const double k1 = rate(t);
        const double k2 = rate(t + h / 2 * k1);
        const double k3 = rate(t + h / 2 * k2);
        const double k4 = rate(t + h * k3);
        const double next = t + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
        if (next <= tc) {
            return time + h * (t - tc) / (t - next);
        }
        t = next;
        time += h;
    }
    return time;
}

GridCurrent FastestOnGrid(const std::function<std::optional<double>(double)>& seconds, double high,
                          int steps) {
    GridCurrent best{high, std::nullopt};
    for (int k = 1; k <= steps; ++k) {
        const double current = high * k / steps;
        const auto t = seconds(current);
        if (t && (!best.seconds || *t < *best.seconds)) {
            best = {current, t};
        }
    }
    return best;
}

}  // namespace vantiq::test

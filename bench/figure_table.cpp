#include "figure_table.h"

#include <cstdio>

namespace vantiq::bench {
namespace {

std::string Duration(double seconds) {
    char text[32];
    if (seconds >= 1.0) {
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    } else {
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    }
    return text;
}

}  // namespace

void FigureTable::Section(const std::string& title, bool targets) {
    targets_ = targets;
    std::printf("\n%s\n", title.c_str());
    std::printf("  %-46s %12s %12s %9s %8s\n", "figure", "baseline", "fast", "ratio", "target");
}

void FigureTable::Row(const std::string& figure, double baselineSeconds, double fastSeconds,
                      double target) {
    const double ratio = baselineSeconds / fastSeconds;
    char aim[32] = "";
    if (targets_ && target > 0) {
        const bool met = ratio >= target;
        allMet_ = allMet_ && met;
        std::snprintf(aim, sizeof aim, ">=%.0fx%s", target, met ? "" : " MISSED");
    }
    std::printf("  %-46s %12s %12s %8.1fx %8s\n", figure.c_str(), Duration(baselineSeconds).c_str(),
                Duration(fastSeconds).c_str(), ratio, aim);
    std::fflush(stdout);
}

void FigureTable::Limit(const std::string& figure, double baselineSeconds, double seconds,
                        double limitSeconds) {
    char aim[32] = "";
    if (targets_) {
        const bool met = seconds < limitSeconds;
        allMet_ = allMet_ && met;
        std::snprintf(aim, sizeof aim, "<%.0f ms%s", limitSeconds * 1e3, met ? "" : " MISSED");
    }
    const bool hasBaseline = baselineSeconds > 0;
    char ratio[32] = "-";
    if (hasBaseline) {
        std::snprintf(ratio, sizeof ratio, "%.1fx", baselineSeconds / seconds);
    }
    std::printf("  %-46s %12s %12s %9s %8s\n", figure.c_str(),
                hasBaseline ? Duration(baselineSeconds).c_str() : "-", Duration(seconds).c_str(),
                ratio, aim);
    std::fflush(stdout);
}

void FigureTable::Share(const std::string& figure, double baselineSeconds, double seconds,
                        double most) {
    const double share = seconds / baselineSeconds;
    char aim[32] = "";
    if (targets_) {
        const bool met = share <= most;
        allMet_ = allMet_ && met;
        std::snprintf(aim, sizeof aim, "<=%.1fx%s", most, met ? "" : " MISSED");
    }
    std::printf("  %-46s %12s %12s %8.2fx %8s\n", figure.c_str(), Duration(baselineSeconds).c_str(),
                Duration(seconds).c_str(), share, aim);
    std::fflush(stdout);
}

void FigureTable::Parallel(const std::string& figure, double sequentialSeconds, double seconds,
                           double limitSeconds) {
    char aim[48] = "";
    if (targets_) {
        const bool fast = seconds < limitSeconds;
        const bool gains = seconds <= sequentialSeconds;
        allMet_ = allMet_ && fast && gains;
        std::snprintf(aim, sizeof aim, "<%.0f ms, >=1x%s%s", limitSeconds * 1e3,
                      fast ? "" : " MISSED", gains ? "" : " SLOWER");
    }
    std::printf("  %-46s %12s %12s %8.1fx %8s\n", figure.c_str(),
                Duration(sequentialSeconds).c_str(), Duration(seconds).c_str(),
                sequentialSeconds / seconds, aim);
    std::fflush(stdout);
}

void FigureTable::Note(const std::string& text) {
    std::printf("  (%s)\n", text.c_str());
}

}  // namespace vantiq::bench

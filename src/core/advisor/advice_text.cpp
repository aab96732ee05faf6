#include "core/advisor/advice_text.h"

#include <cmath>
#include <cstdio>

namespace vantiq {
namespace {

constexpr double kCelsiusOffset = 273.0;

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A temperature difference as people write it: whole kelvin without a
// decimal, others with one.
std::string Kelvin(double dt) {
    return Format(dt == std::round(dt) ? "%.0f" : "%.1f", dt);
}

// The load each module would carry and where, for "cannot pump".
std::string PumpPhrase(const AdviceRequest& q) {
    const double heat = q.criteria.requiredQ;
    std::string text;
    if (q.modules == AdviceRequest::kFewestModules) {
        text = Format("%.1f W even as ", heat) + std::to_string(AdviceRequest::kMaxAutoModules) +
               " modules";
    } else if (q.modules > 1) {
        text = Format("%.1f W as ", heat) + std::to_string(q.modules) + " modules";
    } else {
        text = Format("%.1f W", heat);
    }
    if (q.sink) {
        return text + Format(" with the cold side at %.1f \u00B0C", q.sink->cold - kCelsiusOffset);
    }
    return text + " at dT " + Kelvin(q.criteria.requiredDT) + " K";
}

}  // namespace

std::string RejectionPhrase(const AdviceRequest& request, Rejection reason, bool plural) {
    const std::string need = plural ? "need" : "needs";
    switch (reason) {
        case Rejection::CannotPump:
            return "cannot pump " + PumpPhrase(request);
        case Rejection::VoltageTooLow:
            return need + Format(" more than %.1f V", request.criteria.supplyVoltage);
        case Rejection::CurrentTooLow:
            return need + Format(" more than %.1f A", request.criteria.supplyCurrent);
        case Rejection::SinkTooWeak:
            break;
    }
    const double rs = request.sink ? request.sink->resistance : 0.0;
    return need + Format(" a better heat sink than %.2f K/W", rs);
}

std::string RejectionSummary(const AdviceRequest& request, const Advice& advice) {
    std::string summary;
    for (std::size_t k = 0; k < kRejectionCount; ++k) {
        const std::size_t count = advice.rejected[k];
        if (count == 0) {
            continue;
        }
        // Only the first count names its subject: "148 modules cannot ...; 40 need ...".
        const char* subject = count == 1 ? " module " : " modules ";
        summary +=
            summary.empty() ? std::to_string(count) + subject : "; " + std::to_string(count) + " ";
        summary += RejectionPhrase(request, static_cast<Rejection>(k), count != 1);
    }
    return summary;
}

}  // namespace vantiq

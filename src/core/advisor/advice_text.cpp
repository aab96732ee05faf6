#include "core/advisor/advice_text.h"
#include "core/model/celsius.h"

#include <cmath>
#include <cstdio>

namespace vantiq {
namespace {

std::string Format(const char* format, double value) {
    return FormatValue(format, value);
}

// A temperature difference as people write it: whole kelvin without a
// decimal, others with one.
std::string Kelvin(double dt) {
    return Format(dt == std::round(dt) ? "%.0f" : "%.1f", dt);
}

// Where the load is carried: at a temperature difference or a cold side.
std::string LoadPlace(const AdviceRequest& q) {
    if (q.sink) {
        return Format(" with the cold side at %.1f \u00B0C", q.sink->cold - kCelsiusOffset);
    }
    return " at dT " + Kelvin(q.criteria.requiredDT) + " K";
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
    return text + LoadPlace(q);
}

std::string Temperatures(const AdviceRequest& q, double thot) {
    if (q.sink) {
        return Format("Tc = %.1f \u00B0C", q.sink->cold - kCelsiusOffset) +
               Format(", Ta = %.1f \u00B0C", q.sink->ambient - kCelsiusOffset) +
               Format(", Rs = %.2f K/W", q.sink->resistance);
    }
    return "dT = " + Kelvin(q.criteria.requiredDT) + " K" +
           Format(", Th = %.1f \u00B0C", thot - kCelsiusOffset);
}

std::string Modules(const AdviceRequest& q) {
    const char* wiring = q.wiring == Wiring::Series ? " in series" : " in parallel";
    if (q.modules == AdviceRequest::kFewestModules) {
        return "the fewest modules that work, 1 to " +
               std::to_string(AdviceRequest::kMaxAutoModules) + wiring;
    }
    return q.modules == 1 ? std::string("1 module")
                          : std::to_string(q.modules) + " modules" + wiring;
}

}  // namespace

std::string FormatValue(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string LoadPhrase(const AdviceRequest& request) {
    return Format("%.1f W", request.criteria.requiredQ) + LoadPlace(request);
}

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

std::string OneStageLimit(const AdviceRequest& request, const Advice& advice) {
    const double dt = request.criteria.requiredDT;
    if (request.sink || advice.candidates == 0 || !(advice.deepest < dt)) {
        return {};
    }
    return "no single module reaches dT " + Kelvin(dt) + " K" +
           Format(" (the most is %.1f K): a two-stage stack is needed", advice.deepest);
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
    const std::string limit = OneStageLimit(request, advice);
    return summary.empty() || limit.empty() ? summary : summary + "; " + limit;
}

std::string AdviceCriteriaText(const AdviceRequest& request, const Advice& advice, double thot) {
    const SearchCriteria& c = request.criteria;
    std::string text = "Operating points for:\r\n";
    text += Format("Q = %.1f W", c.requiredQ) + ", " + Temperatures(request, thot) + "\r\n";
    if (IsSet(c.supplyVoltage)) {
        text += Format("Unominal <= %.1f V\r\n", c.supplyVoltage);
    }
    if (IsSet(c.supplyCurrent)) {
        text += Format("Imax <= %.1f A\r\n", c.supplyCurrent);
    }
    text += Modules(request) + "\r\n";
    if (!advice.points.empty()) {
        const std::size_t n = advice.points.size();
        return text + std::to_string(n) + (n == 1 ? " module carries" : " modules carry") +
               " the load.\r\n";
    }
    text += "No module can carry this load within these limits";
    const std::string counts = RejectionSummary(request, advice);
    return text + (counts.empty() ? "." : ": " + counts + ".") + "\r\n";
}

}  // namespace vantiq

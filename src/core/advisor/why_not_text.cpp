#include "core/advisor/why_not_text.h"

#include "core/advisor/advice_text.h"
#include "core/advisor/advisor.h"
#include "core/advisor/module_advice.h"
#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/model/celsius.h"
#include "core/model/module_inputs.h"

namespace vantiq {
namespace {

std::string Format(const char* format, double value) {
    return FormatValue(format, value);
}

std::string NameOf(const TemBase& base, std::uint32_t index) {
    return EscapeControls(Cp1251ToUtf8(base.records.at(index).Name()));
}

// What the set of `p` asks of its supply: "9.7 V at 1.16 A, 11.3 W".
std::string NeedPhrase(const OperatingPoint& p) {
    return Format("%.1f V", p.SupplyVoltage()) + Format(" at %.2f A", p.SupplyCurrent()) +
           Format(", %.1f W", p.power);
}

std::string WithSupply(const std::string& text, const SearchCriteria& c) {
    const std::string gives = SupplyGivesPhrase(c);
    return gives.empty() ? text : text + "; " + gives;
}

std::string ClosestLines(const TemBase& base, const AdviceRequest& q, const Shortfall& s) {
    std::string text;
    for (const OperatingPoint& p : s.closest) {
        text += WithSupply(NameOf(base, p.index) + " needs " + NeedPhrase(p), q.criteria) + ".\r\n";
    }
    if (!s.closest.empty()) {
        const OperatingPoint& best = s.closest.front();
        text += Format("One module carries it from a supply of %.1f V", best.SupplyVoltage()) +
                Format(" and %.2f A (", best.SupplyCurrent()) + NameOf(base, best.index) + ").\r\n";
    }
    return text;
}

std::string FewestLine(const TemBase& base, const AdviceRequest& q, const Shortfall& s) {
    const bool limited = IsSet(q.criteria.supplyVoltage) || IsSet(q.criteria.supplyCurrent);
    const std::string within = limited ? " within this supply" : "";
    if (!s.fewest) {
        return "No set of up to " + std::to_string(AdviceRequest::kMaxAutoModules) +
               " modules carries it" + within + ".\r\n";
    }
    const OperatingPoint& p = *s.fewest;
    const char* wiring = p.wiring == Wiring::Series ? " in series" : " in parallel";
    const std::string set = p.modules == 1 ? "1 module " : std::to_string(p.modules) + " modules ";
    return "Fewest modules that carry it" + within + ": " + set + NameOf(base, p.index) +
           (p.modules == 1 ? "" : wiring) + ", " + NeedPhrase(p) + ".\r\n";
}

std::string TwoStagesLine(const AdviceRequest& q, double thot) {
    const AskedSides sides = AskedSidesOf(q, thot);
    const std::string where =
        q.sink ? Format("holds the cold side at %.1f \u00B0C", sides.cold - kCelsiusOffset) +
                     Format(" even with its hot side at the ambient %.1f \u00B0C",
                            sides.hot - kCelsiusOffset)
               : Format("reaches dT %.1f K", sides.hot - sides.cold) +
                     Format(" at Th = %.1f \u00B0C", sides.hot - kCelsiusOffset);
    return "No single module " + where + ": a two-stage stack is needed.\r\n";
}

// The figures behind a rejection of module `index`: what it needs of the
// supply, or the most it pumps where the load is asked.
std::string RejectionFigures(const TemBase& base, double thot, const AdviceRequest& q,
                             std::uint32_t index, Rejection reason) {
    const TemRecord& record = base.records.at(index);
    if (reason == Rejection::VoltageTooLow || reason == Rejection::CurrentTooLow) {
        AdviceRequest unlimited = UnlimitedSupply(q);
        unlimited.modules = q.modules;
        if (const auto p = AdviseModule(record, index, thot, unlimited).point) {
            return WithSupply(": " + NeedPhrase(*p), q.criteria);
        }
    }
    if (reason == Rejection::CannotPump) {
        const double peak = PeakHeat(record, AskedSidesOf(q, thot));
        const char* where = q.sink ? " even with its hot side at the ambient" : " there";
        // A module that holds no difference there is told by the one-stage limit.
        return peak > 0.0 ? Format(": it pumps at most %.1f W", peak) + where : std::string();
    }
    return {};
}

std::string ExclusionText(Exclusion exclusion, const TemRecord& record,
                          const AdviceRequest& request) {
    switch (exclusion) {
        case Exclusion::NotDerivable:
            return HasPhysicalInputs(record)
                       ? "it has no balance point at this hot-side temperature"
                       : "it does not describe a physical module";
        case Exclusion::Dimensions:
            return "it exceeds the largest dimensions given";
        case Exclusion::Name:
            break;
    }
    return "its name does not hold '" + EscapeControls(Cp1251ToUtf8(request.criteria.nameFilter)) +
           "'";
}

}  // namespace

std::string SupplyGivesPhrase(const SearchCriteria& c) {
    const bool volts = IsSet(c.supplyVoltage);
    const bool amps = IsSet(c.supplyCurrent);
    if (!volts && !amps) {
        return {};
    }
    return "the supply gives " + (volts ? Format("%.1f V", c.supplyVoltage) : std::string()) +
           (volts && amps ? " and " : "") +
           (amps ? Format("%.1f A", c.supplyCurrent) : std::string());
}

std::string ShortfallText(const TemBase& base, double thot, const AdviceRequest& request,
                          const Shortfall& shortfall) {
    if (!shortfall.strongest) {
        return {};
    }
    if (shortfall.needsTwoStages) {
        // At a fixed hot side the rejection summary already says so, with
        // the deepest difference reached.
        return request.sink ? TwoStagesLine(request, thot) : std::string();
    }
    std::string text = ClosestLines(base, request, shortfall);
    if (shortfall.closest.empty()) {
        text += "The strongest module, " + NameOf(base, *shortfall.strongest) +
                Format(", pumps at most %.1f W", shortfall.strongestPeak) +
                (request.sink ? " even with its hot side at the ambient.\r\n" : " there.\r\n");
    }
    return text + FewestLine(base, request, shortfall);
}

std::string WhyNotText(const TemBase& base, double thot, const AdviceRequest& request,
                       std::uint32_t index) {
    const TemRecord& record = base.records.at(index);
    if (const auto exclusion = CandidateExclusion(record, request)) {
        return ExclusionText(*exclusion, record, request);
    }
    const Rejection reason = AdviseModule(record, index, thot, request).rejection;
    return "it " + RejectionPhrase(request, reason, false) +
           RejectionFigures(base, thot, request, index, reason);
}

}  // namespace vantiq

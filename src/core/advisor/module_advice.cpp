#include "core/advisor/module_advice.h"

#include <algorithm>

#include "core/advisor/hot_side_balance.h"
#include "core/advisor/sink_limit.h"

namespace vantiq {

std::optional<Rejection> SupplyRejection(const OperatingPoint& p, const SearchCriteria& c) {
    if (IsSet(c.supplyVoltage) && p.SupplyVoltage() > c.supplyVoltage) {
        return Rejection::VoltageTooLow;
    }
    if (IsSet(c.supplyCurrent) && p.SupplyCurrent() > c.supplyCurrent) {
        return Rejection::CurrentTooLow;
    }
    return std::nullopt;
}

namespace {

ModuleAdvice Checked(const OperatingPoint& p, const SearchCriteria& c) {
    if (const auto rejection = SupplyRejection(p, c)) {
        return {std::nullopt, *rejection};
    }
    return {p, Rejection::CannotPump};
}

ModuleAdvice AtFixedHotSide(const TemRecord& r, double thot, std::int32_t n,
                            const AdviceRequest& q) {
    const SearchCriteria& c = q.criteria;
    const auto p = SetPointAt(r, c.requiredQ, n, q.wiring, thot - c.requiredDT, thot);
    return p ? Checked(*p, c) : ModuleAdvice{};
}

ModuleAdvice UnderSink(const TemRecord& r, std::int32_t n, const AdviceRequest& q) {
    const SinkBalance balance = BalanceHotSide(r, q.criteria.requiredQ, n, q.wiring, *q.sink);
    if (balance.balanced) {
        ModuleAdvice advice = Checked(*balance.balanced, q.criteria);
        if (advice.point && q.sinkLimits) {
            advice.point->sinkRthMax =
                SinkRthMax(r, q.criteria.requiredQ, n, q.wiring, *q.sink, q.criteria);
        }
        return advice;
    }
    if (!balance.first) {
        return {};
    }
    const auto rejection = SupplyRejection(*balance.first, q.criteria);
    return {std::nullopt, rejection.value_or(Rejection::SinkTooWeak)};
}

ModuleAdvice AtCount(const TemRecord& r, double thot, std::int32_t n, const AdviceRequest& q) {
    return q.sink ? UnderSink(r, n, q) : AtFixedHotSide(r, thot, n, q);
}

}  // namespace

ModuleAdvice AdviseModule(const TemRecord& record, std::uint32_t index, double thot,
                          const AdviceRequest& request) {
    const bool fewest = request.modules == AdviceRequest::kFewestModules;
    const std::int32_t first = fewest ? 1 : request.modules;
    const std::int32_t last = fewest ? AdviceRequest::kMaxAutoModules : request.modules;
    ModuleAdvice advice;
    for (std::int32_t n = first; n <= last; ++n) {
        ModuleAdvice atCount = AtCount(record, thot, n, request);
        if (atCount.point) {
            atCount.point->index = index;
            return atCount;
        }
        advice.rejection = std::max(advice.rejection, atCount.rejection);
    }
    return advice;
}

}  // namespace vantiq

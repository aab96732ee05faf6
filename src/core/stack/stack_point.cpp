#include "core/stack/stack_point.h"

#include <algorithm>

namespace vantiq {
namespace {

StagePoint UpperStage(const ModuleLoad& load, std::int32_t modules, double heat) {
    return {modules, load.current, load.voltage, heat, modules * load.voltage * load.current};
}

StackPoint Assemble(const StagePoint& upper, const StagePoint& lower, const StackDuty& duty,
                    double between) {
    StackPoint p;
    p.currents = duty.currents;
    p.upper = upper;
    p.lower = lower;
    p.between = between;
    p.thot = duty.th;
    p.dt = duty.th - duty.tc;
    p.power = upper.power + lower.power;
    p.cop = duty.heat / p.power;
    return p;
}

ModuleLoad TopLoad(const TemRecord& top, std::int32_t modules, const StackDuty& duty,
                   double between) {
    return CarryHeat(CoefficientsAt(top, duty.tc, between), duty.heat / modules);
}

}  // namespace

std::optional<StackPoint> SeparateStackFrom(const ModuleLoad& top, std::int32_t topModules,
                                            const OperatingCoefficients& bottom,
                                            std::int32_t bottomModules, const StackDuty& duty,
                                            double between) {
    if (!top.pumps) {
        return std::nullopt;
    }
    const StagePoint upper = UpperStage(top, topModules, duty.heat);
    const double heat = duty.heat + upper.power;
    const ModuleLoad load = CarryHeat(bottom, heat / bottomModules);
    if (!load.pumps) {
        return std::nullopt;
    }
    const StagePoint lower{bottomModules, load.current, load.voltage, heat,
                           bottomModules * load.voltage * load.current};
    return Assemble(upper, lower, duty, between);
}

std::optional<StackPoint> SharedStackFrom(const ModuleLoad& top, std::int32_t topModules,
                                          const OperatingCoefficients& bottom,
                                          std::int32_t bottomModules, const StackDuty& duty,
                                          double between) {
    if (!top.pumps) {
        return std::nullopt;
    }
    const double i = top.current;
    const double voltage = bottom.seebeckVoltage + i * bottom.resistance;
    const double pumped =
        bottomModules * (bottom.peltier * i - bottom.joule * i * i + bottom.conduction);
    const StagePoint lower{bottomModules, i, voltage, pumped, bottomModules * voltage * i};
    return Assemble(UpperStage(top, topModules, duty.heat), lower, duty, between);
}

std::optional<StackPoint> SeparateStackAt(const TemRecord& top, std::int32_t topModules,
                                          const TemRecord& bottom, std::int32_t bottomModules,
                                          const StackDuty& duty, double between) {
    return SeparateStackFrom(TopLoad(top, topModules, duty, between), topModules,
                             CoefficientsAt(bottom, between, duty.th), bottomModules, duty,
                             between);
}

std::optional<StackPoint> SharedStackAt(const TemRecord& top, std::int32_t topModules,
                                        const TemRecord& bottom, std::int32_t bottomModules,
                                        const StackDuty& duty, double between) {
    return SharedStackFrom(TopLoad(top, topModules, duty, between), topModules,
                           CoefficientsAt(bottom, between, duty.th), bottomModules, duty, between);
}

std::array<OperatingPoint, 2> StageOperatingPoints(const TemRecord& top, const TemRecord& bottom,
                                                   const StackPoint& p) {
    const auto point = [](const TemRecord& r, std::uint32_t index, const StagePoint& s, double tc,
                          double th) {
        OperatingPoint o;
        o.index = index;
        o.modules = s.modules;
        o.current = s.current;
        o.voltage = s.voltage;
        o.power = s.power;
        o.cop = s.heat / s.power;
        o.heatRejected = s.heat + s.power;
        o.thot = th;
        o.dt = th - tc;
        o.peak = CarryHeat(CoefficientsAt(r, tc, th), 0.0).peak;
        o.margin = s.modules * o.peak / s.heat;
        return o;
    };
    return {point(top, p.top, p.upper, p.thot - p.dt, p.between),
            point(bottom, p.bottom, p.lower, p.between, p.thot)};
}

double BottomSurplus(const StackPoint& p) {
    return p.lower.heat - (p.upper.heat + p.upper.power);
}

bool SupplyFeeds(const StackPoint& p, const StackDuty& duty) {
    const bool shared = p.currents == StageCurrents::Shared;
    const double upperVolts = p.upper.modules * p.upper.voltage;
    const double lowerVolts = p.lower.modules * p.lower.voltage;
    const double volts = shared ? upperVolts + lowerVolts : std::max(upperVolts, lowerVolts);
    const double amps = std::max(p.upper.current, p.lower.current);
    const bool voltsOk = !(duty.supplyVoltage > 0.0) || volts <= duty.supplyVoltage;
    const bool ampsOk = !(duty.supplyCurrent > 0.0) || amps <= duty.supplyCurrent;
    // A stack whose bottom set runs backwards is no cooler.
    return voltsOk && ampsOk && p.lower.current >= 0.0;
}

}  // namespace vantiq

#include "core/stack/stack_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/advisor/advisor.h"
#include "core/parallel/parallel_for.h"
#include "core/stack/stack_sink.h"
#include "core/stack/stack_solver.h"

namespace vantiq {
namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

// The modules that may sit in a stack, with what the pruned scan knows of
// each as a bottom module.
struct Candidates {
    std::vector<std::uint32_t> index;
    std::vector<BottomGrid> grids;
    // For each grid point, the candidates by their best COP there, best first.
    std::vector<std::vector<std::uint32_t>> byCop;
};

Candidates Gather(const TemBase& base, const StackRequest& request) {
    AdviceRequest perModule = request.advice;
    perModule.criteria.maxHeight = 0.0;  // the stack's height is checked per pair
    Candidates c;
    for (std::size_t i = 0; i < base.records.size(); ++i) {
        if (!CandidateExclusion(base.records[i], perModule)) {
            c.index.push_back(static_cast<std::uint32_t>(i));
        }
    }
    return c;
}

void PrepareBottoms(const TemBase& base, const StackDuty& duty, Candidates& c) {
    c.grids.resize(c.index.size());
    ParallelFor(c.index.size(), [&](std::size_t k) {
        c.grids[k] = MakeBottomGrid(base.records[c.index[k]], duty);
    });
    c.byCop.assign(kBetweenPoints, {});
    for (int j = 0; j < kBetweenPoints; ++j) {
        auto& order = c.byCop[j];
        for (std::uint32_t k = 0; k < c.index.size(); ++k) {
            order.push_back(k);
        }
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return c.grids[a].bestCop[j] > c.grids[b].bestCop[j];
        });
    }
}

// The fewest bottom modules whose footprint covers the top set's.
std::int32_t FootprintCount(const TemRecord& top, std::int32_t n, const TemRecord& bottom) {
    const double ratio =
        n * top.file.width * top.file.length / (bottom.file.width * bottom.file.length);
    return std::max<std::int32_t>(1, static_cast<std::int32_t>(std::ceil(ratio - 1e-9)));
}

bool FitsHeight(const TemRecord& top, const TemRecord& bottom, const SearchCriteria& c) {
    return !IsSet(c.maxHeight) || top.file.height + bottom.file.height <= c.maxHeight;
}

bool Beats(const StackPoint& a, const std::optional<StackPoint>& b) {
    return !b || a.power < b->power || (a.power == b->power && a.bottom < b->bottom);
}

// One top set against the bottoms, the best stack kept.
class TopScan {
public:
    TopScan(const TemBase& base, const StackRequest& request, const StackDuty& duty,
            std::uint32_t top, std::int32_t n)
        : base_(base),
          request_(request),
          duty_(duty),
          top_(base.records[top]),
          topIndex_(top),
          grid_(MakeTopGrid(top_, n, duty)) {}

    // Tries the bottom module `bottom` (its grid given or built) from `first`
    // modules up to `last`.
    void Try(std::uint32_t bottom, const BottomGrid& grid, std::int32_t first,
             std::int32_t last = StackRequest::kMaxBottomModules) {
        const TemRecord& b = base_.records[bottom];
        for (std::int32_t m = first; m <= last; ++m) {
            auto p = SolveStack(top_, grid_, b, grid, m, duty_);
            if (p) {
                p->top = topIndex_;
                p->bottom = bottom;
                if (Beats(*p, best_)) {
                    best_ = p;
                }
                return;
            }
        }
    }

    bool Pairs(std::uint32_t bottom) const {
        return FitsHeight(top_, base_.records[bottom], request_.advice.criteria);
    }
    std::int32_t Footprint(std::uint32_t bottom) const {
        return FootprintCount(top_, grid_.modules, base_.records[bottom]);
    }
    const TopGrid& Grid() const { return grid_; }
    const StackDuty& Duty() const { return duty_; }
    const std::optional<StackPoint>& Best() const { return best_; }

private:
    const TemBase& base_;
    const StackRequest& request_;
    const StackDuty& duty_;
    const TemRecord& top_;
    std::uint32_t topIndex_;
    TopGrid grid_;
    std::optional<StackPoint> best_;
};

// The last grid point where this top set pumps: past it, it pumps nowhere.
int HighestPoint(const TopGrid& top) {
    int k = 0;
    while (k + 1 < kBetweenPoints && top.power[k + 1] < kNone) {
        ++k;
    }
    return k;
}

// The highest grid point the solver may look at, one past the last where the
// top pumps.
int Reach(int highest) {
    return std::min(highest + 1, kBetweenPoints - 1);
}

// Bounds over the range between two grid points, where the top's power and
// rejected heat are at least those at the lower point and the bottom's
// peak and best COP at most those at the upper one.
struct PairBounds {
    double power = kNone;    // the least power any stack of the pair can take
    double modules = kNone;  // the fewest bottom modules that can pump the rejected heat
    double most = kNone;     // the most bottom modules the supply's voltage can drive
};

PairBounds Bound(const TopGrid& top, const BottomGrid& bottom, int highest, const StackDuty& duty) {
    PairBounds b;
    for (int k = 0; k <= highest; ++k) {
        const int upper = std::min(k + 1, kBetweenPoints - 1);
        b.power = std::min(b.power, top.power[k] + top.rejected[k] / bottom.bestCop[upper]);
        b.modules = std::min(b.modules, top.rejected[k] / bottom.peak[upper]);
    }
    // Each bottom module needs at least its Seebeck voltage, which is least
    // at the warmest temperature between the stages; on one current the top
    // set's voltage comes first out of the same supply.
    if (duty.supplyVoltage > 0.0) {
        const double shared = duty.currents == StageCurrents::Shared ? 1.0 : 0.0;
        const double left = duty.supplyVoltage - shared * top.modules * top.loads[0].voltage;
        b.most = left / bottom.coefficients[Reach(highest)].seebeckVoltage;
    }
    return b;
}

// Whether the supply can feed the top set at all: its current and voltage
// are least at the coldest temperature between the stages.
bool TopFeedable(const TopGrid& top, const StackDuty& duty) {
    const ModuleLoad& least = top.loads[0];
    const bool volts =
        !(duty.supplyVoltage > 0.0) || top.modules * least.voltage <= duty.supplyVoltage;
    const bool amps = !(duty.supplyCurrent > 0.0) || least.current <= duty.supplyCurrent;
    return least.pumps && volts && amps;
}

void ScanPruned(TopScan& scan, const Candidates& c) {
    const TopGrid& grid = scan.Grid();
    if (!TopFeedable(grid, scan.Duty())) {
        return;
    }
    const int highest = HighestPoint(grid);
    const int reach = Reach(highest);
    for (const std::uint32_t k : c.byCop[reach]) {
        const BottomGrid& bottom = c.grids[k];
        const auto& best = scan.Best();
        // In this order the bound only rises, so nothing further can win.
        if (best && grid.power[0] + grid.rejected[0] / bottom.bestCop[reach] > best->power) {
            return;
        }
        if (!scan.Pairs(c.index[k])) {
            continue;
        }
        const PairBounds bounds = Bound(grid, bottom, highest, scan.Duty());
        const double most = std::min<double>(bounds.most, StackRequest::kMaxBottomModules);
        if ((best && bounds.power > best->power) || !(bounds.modules <= most)) {
            continue;
        }
        const auto least = static_cast<std::int32_t>(std::ceil(bounds.modules));
        scan.Try(c.index[k], bottom, std::max(least, scan.Footprint(c.index[k])),
                 static_cast<std::int32_t>(std::floor(most)));
    }
}

void ScanEveryPair(TopScan& scan, const TemBase& base, const StackDuty& duty, const Candidates& c) {
    for (const std::uint32_t bottom : c.index) {
        if (scan.Pairs(bottom)) {
            scan.Try(bottom, MakeBottomGrid(base.records[bottom], duty), scan.Footprint(bottom));
        }
    }
}

StackDuty DutyAt(const StackRequest& r, double th) {
    const SearchCriteria& c = r.advice.criteria;
    StackDuty duty;
    duty.heat = c.requiredQ;
    duty.th = th;
    duty.tc = r.advice.sink ? r.advice.sink->cold : th - c.requiredDT;
    duty.currents = r.currents;
    duty.supplyVoltage = c.supplyVoltage;
    duty.supplyCurrent = c.supplyCurrent;
    return duty;
}

// The best stack headed by `top` at `duty`, with the top count asked or the
// fewest that work.
std::optional<StackPoint> BestUnder(const TemBase& base, const StackRequest& request,
                                    const StackDuty& duty, const Candidates& c, std::uint32_t top,
                                    PairScan how) {
    const std::int32_t asked = request.advice.modules;
    const bool fewest = asked == AdviceRequest::kFewestModules;
    const std::int32_t last = fewest ? AdviceRequest::kMaxAutoModules : asked;
    for (std::int32_t n = fewest ? 1 : asked; n <= last; ++n) {
        TopScan scan(base, request, duty, top, n);
        if (how == PairScan::Pruned) {
            ScanPruned(scan, c);
        } else {
            ScanEveryPair(scan, base, duty, c);
        }
        if (scan.Best()) {
            return scan.Best();
        }
    }
    return std::nullopt;
}

std::optional<StackPoint> Settled(const TemBase& base, const StackRequest& request,
                                  const std::optional<StackPoint>& chosen) {
    if (!chosen) {
        return chosen;
    }
    auto p = SettleStack(base.records[chosen->top], chosen->upper.modules,
                         base.records[chosen->bottom], chosen->lower.modules,
                         DutyAt(request, request.advice.sink->ambient), *request.advice.sink);
    if (p) {
        p->top = chosen->top;
        p->bottom = chosen->bottom;
    }
    return p;
}

}  // namespace

StackAdvice FindStacks(const TemBase& base, double thot, const StackRequest& request,
                       PairScan scan) {
    StackAdvice advice;
    if (!(request.advice.criteria.requiredQ > 0.0)) {
        return advice;
    }
    const auto& sink = request.advice.sink;
    // A sink is never colder than its room, so the bottoms are chosen there.
    const StackDuty duty = DutyAt(request, sink ? sink->ambient : thot);
    Candidates c = Gather(base, request);
    if (scan == PairScan::Pruned) {
        PrepareBottoms(base, duty, c);
    }
    std::vector<std::optional<StackPoint>> slots(c.index.size());
    ParallelFor(c.index.size(), [&](std::size_t k) {
        slots[k] = BestUnder(base, request, duty, c, c.index[k], scan);
        if (sink) {
            slots[k] = Settled(base, request, slots[k]);
        }
    });
    advice.candidates = c.index.size();
    for (const auto& slot : slots) {
        if (slot) {
            advice.stacks.push_back(*slot);
        }
    }
    return advice;
}

}  // namespace vantiq

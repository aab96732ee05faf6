#pragma once

#include <cstdint>
#include <optional>

#include "core/base/tem_record.h"
#include "core/stack/stack_point.h"
#include "core/stack/stage_grid.h"

namespace vantiq {

// The least-power stack of the top set described by `topGrid` on
// `bottomModules` copies of `bottom` (`bottomGrid` its grid) that the supply
// feeds. The temperature between the stages is first tried at the grid's
// points, then refined to 1e-9 K: with separate currents by a golden-section
// search for the least power around the best point, on one current by
// bisecting the bottom's surplus at every change of sign, the balance of
// least power winning. nullopt when no temperature works.
std::optional<StackPoint> SolveStack(const TemRecord& top, const TopGrid& topGrid,
                                     const TemRecord& bottom, const BottomGrid& bottomGrid,
                                     std::int32_t bottomModules, const StackDuty& duty);

// The same from the records alone, building both grids first.
std::optional<StackPoint> SolveStack(const TemRecord& top, std::int32_t topModules,
                                     const TemRecord& bottom, std::int32_t bottomModules,
                                     const StackDuty& duty);

}  // namespace vantiq

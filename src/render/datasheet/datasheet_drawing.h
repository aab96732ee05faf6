#pragma once

#include <QImage>
#include <QSize>

#include <optional>
#include <vector>

#include "core/base/tem_record.h"
#include "core/model/rated_values.h"

namespace vantiq {

// The hot side at which a drawn datasheet states the rated values, K (25 °C).
inline constexpr double kDatasheetThot = 298.0;

// A portrait A4 page at 150 dots per inch.
inline constexpr QSize kDatasheetSize(1240, 1754);

// Draws a datasheet page for a module that has no picture of its own, from
// `record` (its file fields), on white: the name
// as title, the dimensioned outline drawing, the catalogue data, `rated` (the
// values at kDatasheetThot, shown as "—" when nullopt) and the cooling
// capacity graph at that hot side. The layout is
// made for kDatasheetSize and scaled to `size`.
QImage DrawGeneratedDatasheet(const TemRecord& record, const std::optional<RatedValues>& rated,
                              QSize size = kDatasheetSize);

// The datasheet of `record` with its rated values derived at kDatasheetThot,
// encoded as PNG; empty if encoding fails.
std::vector<unsigned char> DatasheetPng(const TemRecord& record);

}  // namespace vantiq

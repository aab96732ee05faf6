#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <span>

#include "render/colors/color_settings.h"

class QPainter;

namespace vantiq {

// A module named in the graph view's legend.
struct LegendModule {
    QString name;
    double imax = 0.0;  // A
    // The hot side its curves are drawn at (K), where it has one of its own.
    std::optional<double> thot;
};

// The header of the graph view: the module and the hot side, "ТЭМ
// 127-1.4-2.00 · Th = 25 °C"; several modules are joined by commas. Modules
// drawn at different hot sides each name their own: "A · Th = -5 °C, B · Th
// = 25 °C".
QString GraphHeaderText(std::span<const LegendModule> modules, double thot);

// The legend text of curve `factor` (its place in kCurveFactors): "1.0 ×
// Imax = 6.12 A" at the module's `imax`, or "1.0 × Imax" without one.
QString CurrentLegendText(std::size_t factor, std::optional<double> imax);

// The entry of an overlaid module beside its line style: "VQ-127-1.4-2.00 ·
// Imax = 6.12 A".
QString ModuleLegendText(const LegendModule& module);

// The height in pixels of the band above the view's graphs for `modules`
// across `width` pixels: the header, the curve colours (on as many rows as
// that width needs) and, when several are overlaid, one row per module
// with its line style.
int LegendBandHeight(std::span<const LegendModule> modules, int width);

// Draws that band across `width` pixels at the painter's origin: white, with
// a one-pixel rule along its bottom. Nothing is drawn for no module.
void DrawLegendBand(QPainter& painter, int width, std::span<const LegendModule> modules,
                    double thot, const ColorSettings& colors);

}  // namespace vantiq

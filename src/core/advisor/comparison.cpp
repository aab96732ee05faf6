#include "core/advisor/comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/base/cp1251.h"
#include "core/model/celsius.h"

namespace vantiq {
namespace {

constexpr const char* kNoValue = "–";

std::string Fixed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Size(const TemRecord& r) {
    char text[96];
    std::snprintf(text, sizeof text, "%g × %g × %g", r.file.width, r.file.length, r.file.height);
    return text;
}

using RecordText = std::string (*)(const TemRecord&);
using PointText = std::string (*)(const OperatingPoint&);

struct RecordRow {
    const char* label;
    RecordText text;
    bool rated;  // shown only for a module with rated values
};

const RecordRow kRecordRows[] = {
    {"TEM name", [](const TemRecord& r) { return Cp1251ToUtf8(r.Name()); }, false},
    {"Imax, A", [](const TemRecord& r) { return Fixed("%.2f", r.rated.imax); }, true},
    {"Umax, V", [](const TemRecord& r) { return Fixed("%.2f", r.rated.umax); }, true},
    {"dTmax, K", [](const TemRecord& r) { return Fixed("%.1f", std::fabs(r.rated.dtMax)); }, true},
    {"Qmax, W", [](const TemRecord& r) { return Fixed("%.1f", r.rated.qmax); }, true},
    {"AC resistance, Ω", [](const TemRecord& r) { return Fixed("%.3f", r.rated.acResistance); },
     true},
    {"Pellets number, pcs", [](const TemRecord& r) { return std::to_string(r.file.pelletCount); },
     false},
    {"Width × length × height, mm", Size, false},
};

const std::pair<const char*, PointText> kPointRows[] = {
    {"Modules",
     [](const OperatingPoint& p) {
         return std::to_string(p.modules) +
                (p.wiring == Wiring::Series ? " in series" : " in parallel");
     }},
    {"Current per module, A", [](const OperatingPoint& p) { return Fixed("%.3f", p.current); }},
    {"Voltage per module, V", [](const OperatingPoint& p) { return Fixed("%.3f", p.voltage); }},
    {"Power, W", [](const OperatingPoint& p) { return Fixed("%.2f", p.power); }},
    {"COP", [](const OperatingPoint& p) { return Fixed("%.3f", p.cop); }},
    {"Heat rejected, W", [](const OperatingPoint& p) { return Fixed("%.2f", p.heatRejected); }},
    {"Th, °C", [](const OperatingPoint& p) { return Fixed("%.1f", p.thot - kCelsiusOffset); }},
};

}  // namespace

std::vector<std::int32_t> ShownFirst(std::int32_t shown, const std::vector<std::int32_t>& picked) {
    if (shown < 0) {
        return {};
    }
    std::vector<std::int32_t> modules = {shown};
    if (std::find(picked.begin(), picked.end(), shown) == picked.end()) {
        return modules;
    }
    for (const std::int32_t index : picked) {
        if (index >= 0 && std::find(modules.begin(), modules.end(), index) == modules.end()) {
            modules.push_back(index);
        }
    }
    return modules;
}

std::vector<ComparisonRow> ComparisonTable(const TemBase& base, const Comparison& comparison) {
    // Indexes of a catalogue since replaced name no module and are left out.
    const auto record = [&base](std::int64_t index) {
        const bool valid = index >= 0 && static_cast<std::size_t>(index) < base.records.size();
        return valid ? &base.records[static_cast<std::size_t>(index)] : nullptr;
    };
    std::vector<const TemRecord*> columns;
    std::vector<OperatingPoint> points;
    if (comparison.points.empty()) {
        for (const std::int32_t index : comparison.modules) {
            if (const TemRecord* found = record(index)) {
                columns.push_back(found);
            }
        }
    }
    for (const OperatingPoint& point : comparison.points) {
        if (const TemRecord* found = record(point.index)) {
            columns.push_back(found);
            points.push_back(point);
        }
    }
    std::vector<ComparisonRow> rows;
    for (const RecordRow& line : kRecordRows) {
        ComparisonRow& row = rows.emplace_back(ComparisonRow{line.label, {}});
        for (const TemRecord* record : columns) {
            row.values.push_back(line.rated && !record->rated.derivable ? kNoValue
                                                                        : line.text(*record));
        }
    }
    for (const auto& [label, text] : kPointRows) {
        if (points.empty()) {
            break;
        }
        ComparisonRow& row = rows.emplace_back(ComparisonRow{label, {}});
        for (const OperatingPoint& point : points) {
            row.values.push_back(text(point));
        }
    }
    return rows;
}

}  // namespace vantiq

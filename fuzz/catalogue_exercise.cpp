#include "catalogue_exercise.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/base/base_error.h"
#include "core/base/base_layout.h"
#include "core/base/base_loader.h"
#include "core/base/picture_reader.h"
#include "core/model/curve_tables.h"
#include "load_step_counter.h"

namespace vantiq {
namespace {

bool IsBaseMessage(const Error& error) {
    return error.caption == kBaseErrorCaption &&
           (error.message == kBaseNotFoundMessage || error.message == kBaseDamagedMessage);
}

std::string CheckOpened(const TemBase& base) {
    if (base.count == 0) {
        return "a base with no module was opened";
    }
    if (base.file.Size() < PicturesOffset(base.count)) {
        return "a base shorter than its entries was opened";
    }
    return {};
}

bool RatedValuesFinite(const TemRecord& r) {
    return std::isfinite(r.imax) && std::isfinite(r.umax) && std::isfinite(r.dtMax) &&
           std::isfinite(r.qmax) && std::isfinite(r.acResistance);
}

bool AllFinite(const Curve& curve) {
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (!std::isfinite(curve.x[i]) || !std::isfinite(curve.y[i])) {
            return false;
        }
    }
    return true;
}

bool AllFinite(const CurveFamily& family) {
    for (const TypedCurve& curve : family.curves) {
        if (!AllFinite(curve.points)) {
            return false;
        }
    }
    return true;
}

// The graphs the view draws for a module, at the sizes of a typical window
// and of the search.
bool CurvesFinite(const TemRecord& r, double th) {
    return AllFinite(BuildDeltaTCurve(r, th, 300, 200)) && AllFinite(BuildHeatCurves(r, th, 500)) &&
           AllFinite(BuildVoltageCurves(r, th, 218)) && AllFinite(BuildCopCurves(r, th, 218));
}

std::string CheckRecords(const TemBase& base, std::uint32_t underivable) {
    std::uint32_t notDerived = 0;
    for (const TemRecord& r : base.records) {
        if (r.Name().size() >= kNameSize) {
            return "a name without its terminator was loaded";
        }
        if (r.derivable && !RatedValuesFinite(r)) {
            return "a derivable module has a rated value that is not finite";
        }
        if (r.derivable && !CurvesFinite(r, base.thot)) {
            return "a derivable module has a curve point that is not finite";
        }
        notDerived += r.derivable ? 0 : 1;
    }
    return notDerived == underivable ? "" : "the modules reported underivable do not match";
}

std::string CheckLoad(TemBase& base, ExerciseReport& report) {
    LoadStepCounter progress;
    const Result<LoadReport> result = LoadBase(base, &progress);
    if (!result.ok()) {
        report.load = result.error();
        const bool clean = IsBaseMessage(result.error()) && base.records.empty();
        return clean ? "" : "a failed load left records behind or gave another message";
    }
    report.underivable = static_cast<std::uint32_t>(result->underivable.size());
    report.loaded = true;
    if (base.records.size() != base.count || !progress.SteppedThrough(base.count)) {
        return "the load did not step once per module";
    }
    return CheckRecords(base, report.underivable);
}

std::string CheckPictures(const TemBase& base) {
    const std::uint32_t last = base.count - 1;
    for (std::uint32_t index :
         {0u, 1u, last, base.count, std::numeric_limits<std::uint32_t>::max()}) {
        const std::vector<unsigned char> picture = ReadPicture(base, index);
        if (picture.size() > base.file.Size() || (index >= base.count && !picture.empty())) {
            return "a picture was read from beyond the file";
        }
    }
    return {};
}

}  // namespace

ExerciseReport ExerciseCatalogue(const std::string& path, std::uint32_t maxLoadedCount) {
    ExerciseReport report;
    TemBase base;
    report.open = OpenBase(base, path);
    if (!report.open.ok()) {
        report.fault = IsBaseMessage(report.open.error()) && !base.isOpen
                           ? ""
                           : "a failed open gave another message or left the base open";
        return report;
    }
    report.count = base.count;
    report.fault = CheckOpened(base);
    if (report.fault.empty() && base.count <= maxLoadedCount) {
        report.fault = CheckLoad(base, report);
    }
    if (report.fault.empty()) {
        report.fault = CheckPictures(base);
    }
    return report;
}

}  // namespace vantiq

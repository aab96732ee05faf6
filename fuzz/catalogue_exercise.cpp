#include "catalogue_exercise.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "core/base/base_error.h"
#include "core/base/base_layout.h"
#include "core/base/picture_reader.h"
#include "core/model/base_derivation.h"
#include "core/model/curve_tables.h"
#include "core/model/hot_side.h"
#include "core/model/module_inputs.h"
#include "core/model/rated_values.h"
#include "load_step_counter.h"

namespace vantiq {
namespace {

bool IsBaseMessage(const Error& error) {
    return error.message == kBaseNotFoundMessage || error.message == kBaseDamagedMessage;
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
    return std::isfinite(r.rated.imax) && std::isfinite(r.rated.umax) &&
           std::isfinite(r.rated.dtMax) && std::isfinite(r.rated.qmax) &&
           std::isfinite(r.rated.acResistance);
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

// The first module's file values as the loader read them.
std::optional<TemRecord> FirstEntry(const TemBase& base) {
    unsigned char entry[kEntrySize];
    if (!base.file.ReadAt(EntriesOffset(base.count), entry, kEntrySize)) {
        return std::nullopt;
    }
    return DecodeEntry(entry);
}

bool SameRatedValues(const TemRecord& a, const TemRecord& b) {
    return a.rated.derivable == b.rated.derivable &&
           (!a.rated.derivable || (a.rated.imax == b.rated.imax && a.rated.umax == b.rated.umax &&
                                   a.rated.dtMax == b.rated.dtMax && a.rated.qmax == b.rated.qmax &&
                                   a.rated.acResistance == b.rated.acResistance));
}

// The loaded rated values of the first module are the straightforward
// derivation's, and so are they at the coldest hot side, where balance
// points lie furthest below the scan's start. One module only: the
// straightforward derivation costs milliseconds.
std::string CheckAgainstReference(const TemBase& base) {
    const std::optional<TemRecord> entry = FirstEntry(base);
    if (!entry) {
        return "the first entry could not be read again";
    }
    for (const double th : {kDefaultThot, kMinThot}) {
        TemRecord reference = *entry;
        ApplyRatedValues(reference,
                         HasPhysicalInputs(*entry) ? DeriveReference(*entry, th) : std::nullopt);
        TemRecord fast = *entry;
        DeriveRatedValues(fast, th);
        const TemRecord& loaded = th == kDefaultThot ? base.records.front() : fast;
        if (!SameRatedValues(loaded, reference) || !SameRatedValues(fast, reference)) {
            return "the derivation differs from the straightforward one";
        }
    }
    return {};
}

std::string CheckRecords(const TemBase& base, std::uint32_t underivable) {
    std::uint32_t notDerived = 0;
    for (const TemRecord& r : base.records) {
        if (r.Name().size() >= kNameSize) {
            return "a name without its terminator was loaded";
        }
        if (r.rated.derivable && !RatedValuesFinite(r)) {
            return "a derivable module has a rated value that is not finite";
        }
        if (r.rated.derivable && !CurvesFinite(r, kDefaultThot)) {
            return "a derivable module has a curve point that is not finite";
        }
        notDerived += r.rated.derivable ? 0 : 1;
    }
    if (notDerived != underivable) {
        return "the modules reported underivable do not match";
    }
    return CheckAgainstReference(base);
}

std::string CheckLoad(TemBase& base, ExerciseReport& report) {
    LoadStepCounter progress;
    const Result<LoadReport> result = LoadBase(base, kDefaultThot, &progress);
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

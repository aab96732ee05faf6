#pragma once

#include <string_view>

#include "core/base/file_fields.h"
#include "core/base/module_rating.h"

namespace vantiq {

// One thermoelectric module: its fields as the catalogue holds them and its
// rated values, derived at a hot-side temperature by the model. Temperature
// differences are signed (cold minus hot side), so rated.dtMax < 0.
struct TemRecord {
    FileFields file;
    ModuleRating rated;

    std::string_view Name() const { return file.Name(); }
};

}  // namespace vantiq

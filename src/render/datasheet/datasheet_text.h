#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "core/base/tem_record.h"
#include "core/model/rated_values.h"

namespace vantiq {

// One line of a datasheet table: what it is, with its unit, and its value.
struct DatasheetRow {
    QString label;
    QString value;
};

// `value` with at most `decimals` decimals, trailing zeros dropped
// ("1.6", "40", "206.4"); "—" when it is not finite.
QString FormatTrimmed(double value, int decimals);

// A millimetre dimension as the drawing labels it: at least one decimal ("40.0", "3.15").
QString FormatMillimetres(double value);

// The module's catalogue data: pellets, leg geometry, size, nominal current
// and material constants, in display units.
std::vector<DatasheetRow> CatalogueRows(const TemRecord& record);

// The rated values at the datasheet's hot side with fixed decimals; "—"
// throughout when the model finds none.
std::vector<DatasheetRow> RatedRows(const std::optional<RatedValues>& rated);

}  // namespace vantiq

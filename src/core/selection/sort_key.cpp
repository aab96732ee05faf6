#include "core/selection/sort_key.h"

#include "core/selection/number_input.h"

namespace vantiq {

std::optional<std::string> KeyColumnHeader(SortKey key) {
    switch (key) {
        case SortKey::Qmax:
            return "Qmax, W";
        case SortKey::Pellets:
            return "Pellets number, pcs";
        case SortKey::Imax:
            return "Imax, A";
        case SortKey::Umax:
            return "Umax, V";
        default:
            return std::nullopt;
    }
}

std::string KeyColumnText(const TemRecord& record, SortKey key) {
    switch (key) {
        case SortKey::Pellets:
            return std::to_string(record.file.pelletCount);
        case SortKey::Qmax:
        case SortKey::Imax:
        case SortKey::Umax:
            return FormatFixed(NumericKey(record, key), 1);
        default:
            return {};
    }
}

double NumericKey(const TemRecord& record, SortKey key) {
    switch (key) {
        case SortKey::Qmax:
            return record.rated.qmax;
        case SortKey::Pellets:
            return static_cast<double>(record.file.pelletCount);
        case SortKey::Imax:
            return record.rated.imax;
        case SortKey::Umax:
            return record.rated.umax;
        default:
            return 0.0;
    }
}

}  // namespace vantiq

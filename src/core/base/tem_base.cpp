#include "core/base/tem_base.h"

namespace vantiq {

std::int32_t TemBase::FindByName(std::string_view name) const {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].Name() == name) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

const TemRecord* RecordAt(const TemBase& base, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= base.records.size()) {
        return nullptr;
    }
    return &base.records[static_cast<std::size_t>(index)];
}

}  // namespace vantiq

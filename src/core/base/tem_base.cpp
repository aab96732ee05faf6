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

const TemRecord* TemBase::Selected() const {
    if (selected < 0 || static_cast<std::size_t>(selected) >= records.size()) {
        return nullptr;
    }
    return &records[static_cast<std::size_t>(selected)];
}

}  // namespace vantiq

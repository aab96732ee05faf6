#pragma once

#include <QWidget>

#include <cstdint>
#include <vector>

#include "core/base/tem_base.h"

namespace vantiq {

// Loads the records of the open catalogue under the progress dialog and
// tells the user what went wrong. Modules that cannot be derived are named in
// a message once: a later load names them again only when the set changed.
class RecordLoader {
public:
    explicit RecordLoader(TemBase& base) : base_(base) {}

    // Reads and derives all records at the base's hot side. On a damaged
    // base shows its message, keeps the records as they were and returns
    // false. Does nothing (and succeeds) when the base is not open.
    bool Load(QWidget* parent);

    // Number of loads run so far, failed ones included.
    int LoadCount() const { return loads_; }

private:
    TemBase& base_;
    std::vector<std::uint32_t> named_;
    int loads_ = 0;
};

}  // namespace vantiq

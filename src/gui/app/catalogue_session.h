#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/base/tem_base.h"
#include "core/model/hot_side.h"
#include "gui/panel/record_source.h"

namespace vantiq {

// The open catalogue during a run of the window: loads its records under the
// progress dialog, at start and at every new hot side, and tells the user
// what went wrong. Modules that cannot be derived are named in a message
// once; a later load names them again only when the set changed. Borrows
// `base`, which the application owns.
class CatalogueSession : public RecordSource {
public:
    explicit CatalogueSession(TemBase& base) : base_(base) {}

    // On a damaged catalogue shows its message and keeps the records. Does
    // nothing (and succeeds) while the base is not open.
    bool LoadRecords(QWidget* parent) override;
    // A step that arrives while a load runs (the progress dialog keeps the
    // window painted, so a held arrow can step again) is refused rather than
    // starting a second load over the first.
    bool ReloadAt(double kelvin, QWidget* parent) override;

    // Opens the catalogue at `path` in place of the open one: the same
    // exclusive open, then the load at the current hot side under the
    // progress dialog. Only when both succeed is the base replaced (its
    // previous file is closed then). Otherwise the user is told why, with the
    // path, and the base and its records stay as they were. Refused while a
    // load runs.
    bool OpenInstead(const std::string& path, QWidget* parent);

    // Number of loads run so far, failed ones included.
    int LoadCount() const { return loads_; }

    double Thot() const override { return thot_; }
    std::int32_t SelectedModule() const override { return selected_; }
    void SelectModule(std::int32_t module) override { selected_ = module; }
    SessionState& State() override { return state_; }
    const SessionState& State() const override { return state_; }
    // The selected module's record; nullptr when none (or none loaded) is.
    const TemRecord* SelectedRecord() const { return RecordAt(base_, selected_); }

private:
    TemBase& base_;
    std::vector<std::uint32_t> named_;
    int loads_ = 0;
    bool loading_ = false;
    double thot_ = kDefaultThot;
    // A fresh catalogue shows its first module until a list selects another.
    std::int32_t selected_ = 0;
    SessionState state_;
};

}  // namespace vantiq

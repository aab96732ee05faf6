#pragma once

#include <cstdint>

#include "gui/panel/session_state.h"

class QWidget;

namespace vantiq {

// What the selection panel asks of the catalogue it lists: the records
// derived at the session's hot side, the same records at another hot side, the
// module the user looks at, and the answer shown beside it. The application's catalogue session
// answers and holds that state; the panel never opens, reads or reports on the catalogue file
// itself.
class RecordSource {
public:
    virtual ~RecordSource() = default;

    // Reads and derives every record at the session's hot side, showing progress
    // over `parent`. False when the load failed; the failure has been reported
    // and the records are as they were.
    virtual bool LoadRecords(QWidget* parent) = 0;

    // The same at hot side `kelvin`. True when the records now belong to
    // `kelvin`; on a failed load, or while another load runs, the records and
    // the session's hot side stay as they were and the answer is false.
    virtual bool ReloadAt(double kelvin, QWidget* parent) = 0;

    // The hot side (K) the records are derived at.
    virtual double Thot() const = 0;

    // The selected module: a record index, -1 for none.
    virtual std::int32_t SelectedModule() const = 0;
    virtual void SelectModule(std::int32_t module) = 0;

    // The answer to the last request and what is shown of it, which every
    // view draws from.
    virtual SessionState& State() = 0;
    virtual const SessionState& State() const = 0;
};

}  // namespace vantiq

#pragma once

#include <map>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <vector>

#include "cli/advise_options.h"
#include "core/base/tem_base.h"
#include "core/model/curve_tables.h"
#include "core/model/hot_side.h"
#include "core/report/module_fields.h"

namespace vantiq::python {

// A keyword argument as the command line would have carried it: the name
// with dashes, the value as text.
using Options = std::vector<std::pair<std::string, std::string>>;

// A fault of the catalogue: it cannot be found, read or derived.
struct CatalogueFault {
    std::string message;
};
// A bad argument, worded as vantiq-cli words it, with Python's keywords for
// its options.
struct ArgumentFault {
    std::string message;
};

// The binding's catalogue: what vantiq-cli opens per command, held between
// calls. Every option goes through the command line's own reading, so a call
// is checked and answered exactly as the same command would be. Calls from
// several threads are answered one hot side at a time: a new hot side waits
// for the answers under way, and an answer never mixes two.
class Catalogue {
public:
    // Opens and holds `path` (empty: looked for as vantiq-cli does), deriving it at
    // `thotC` degrees Celsius. Throws CatalogueFault or ArgumentFault; the
    // modules that cannot be derived are named in Skipped().
    Catalogue(std::string path, const std::string& thotC);

    // Derives every module again at `thotC`; the file stays held. Returns
    // Skipped(). On a fault the records stay those of the hot side before.
    std::string SetThotC(const std::string& thotC);

    std::size_t Size() const;
    std::vector<std::string> Names() const;        // UTF-8, in file order
    std::vector<ModuleValueArray> Values() const;  // the list's values, in file order
    double ThotC() const;
    std::string Skipped() const;

    // The list's module indexes in list order.
    std::vector<std::size_t> Search(const Options& options);

    // The advise command's CSV rows as (column, text) pairs, the header's
    // order kept (stacks with stages=2, the pull-down columns with a cold
    // mass); with "why" the command's text instead: a single row or one
    // line of explanation. With no rows, `reason` is what the command says
    // on standard error.
    using Rows = std::vector<std::vector<std::pair<std::string, std::string>>>;
    Rows Advise(const Options& options, std::string& why, std::string& reason) const;

    // The module's four curve families at the held hot side, `steps`
    // samples per curve. An index or a step count out of range is an
    // ArgumentFault, a module that cannot be derived a CatalogueFault.
    struct Families {
        Curve deltaT;
        CurveFamily heat;
        CurveFamily voltage;
        CurveFamily cop;
    };
    Families Curves(long long index, long long steps) const;

private:
    Rows StackRows(const AdviseRequest& request, bool pullDown, std::string& reason) const;

    mutable std::shared_mutex mutex_;  // a search and a new hot side change the base
    std::string path_;
    TemBase base_;                // the list's sort keeps its own order here
    double thot_ = kDefaultThot;  // K, the hot side the records are derived at
    std::string skipped_;
};

}  // namespace vantiq::python

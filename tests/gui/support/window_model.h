#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/advisor/advice_request.h"
#include "core/advisor/point_rows.h"
#include "core/base/tem_base.h"
#include "core/model/hot_side.h"
#include "core/selection/result_list.h"
#include "core/selection/search_criteria.h"
#include "core/stack/stack_rows.h"
#include "core/stack/stack_search.h"

namespace vantiq::test {

// What the window must show, worked out from the actions a test performed
// and the core alone, never from the window's widgets or state: the modules
// list and the module selected, the hot side, the answer with its order and
// chosen row, and the texts beside them.
class WindowModel {
public:
    explicit WindowModel(const TemBase& base);

    // The user's actions, after the window performed them on the same base.
    void Search(const SearchCriteria& typed);
    // A search that found nothing offered the points; the user took them.
    void TakeOfferedPoints();
    void ShowAll();
    void Clear();
    // The hot side was stepped to `kelvin` and the records derived anew.
    void SteppedTo(double kelvin);
    // "Operating points" with `request`; `currents` for two stages. False
    // when the request is refused (nothing changes).
    bool Advise(const AdviceRequest& request, std::optional<StageCurrents> currents);
    void ClickModuleRow(int row);
    void ClickAnswerRow(int row);
    void ClickHeader(int column);
    // A module was added to the catalogue, which is listed afresh.
    void CatalogueReplaced();

    // What the window must show.
    std::string Title() const;
    double ShownThot() const;  // the hot side of the first graphed module
    double StatusThot() const;
    std::int32_t Selected() const { return selected_; }
    double Thot() const { return thot_; }
    std::optional<OperatingPoint> Point() const;
    std::string Why() const;
    const std::string& Criteria() const { return criteria_; }
    std::vector<std::string> Headers() const;
    std::vector<std::vector<std::string>> Cells() const;
    bool HasAnswer() const { return advised_ || stacked_; }
    std::size_t AnswerRows() const { return stacked_ ? stacks_.size() : points_.size(); }
    std::optional<int> ChosenRow() const { return row_; }
    const std::optional<AdviceRequest>& Advised() const { return advised_; }
    const std::optional<StackRequest>& Stacked() const { return stacked_; }
    const ResultList& List() const { return list_; }
    int ShownColumnCount() const { return static_cast<int>(Headers().size()); }

private:
    // What a search or "Clear" leaves of an answer: nothing.
    void ForgetAnswer();
    void SetPoints(const AdviceRequest& request);
    void SetStacks(const StackRequest& request);
    void Choose(std::optional<int> row);
    ColumnNeeds Needs() const;

    const TemBase& base_;
    double thot_ = kDefaultThot;
    ResultList list_;
    std::int32_t selected_ = 0;
    std::string criteria_;
    SearchCriteria searched_;
    std::optional<AdviceRequest> advised_;
    std::optional<StackRequest> stacked_;
    std::vector<PointRow> points_;
    std::vector<StackRow> stacks_;
    std::string whyNone_;
    int sortColumn_ = -1;
    bool reversed_ = false;
    std::optional<int> row_;
};

}  // namespace vantiq::test

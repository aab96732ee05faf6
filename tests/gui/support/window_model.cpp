#include "window_model.h"

#include <algorithm>

#include "core/advisor/advice_check.h"
#include "core/advisor/advice_text.h"
#include "core/advisor/advisor.h"
#include "core/advisor/pull_down.h"
#include "core/advisor/shortfall.h"
#include "core/advisor/why_not_text.h"
#include "core/base/cp1251.h"
#include "core/base/safe_text.h"
#include "core/selection/criteria_text.h"
#include "core/selection/list_actions.h"
#include "core/stack/stack_order.h"
#include "core/stack/stack_pull_down.h"
#include "core/stack/stack_reach.h"

namespace vantiq::test {
namespace {

std::string WithLineFeeds(std::string text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (!(text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n')) {
            out += text[k];
        }
    }
    return out;
}

// What makes a row the same row after a sort or at another hot side.
struct RowIdentity {
    std::uint32_t a = 0, b = 0;
    std::int32_t n = 0, m = 0, how = 0;
    friend bool operator==(const RowIdentity&, const RowIdentity&) = default;
};

RowIdentity IdentityOf(const PointRow& r) {
    return {r.point.index, 0, r.point.modules, 0, static_cast<std::int32_t>(r.point.wiring)};
}

RowIdentity IdentityOf(const StackRow& r) {
    return {r.stack.top, r.stack.bottom, r.stack.upper.modules, r.stack.lower.modules,
            static_cast<std::int32_t>(r.stack.currents)};
}

template <typename Row>
std::optional<int> Locate(const std::vector<Row>& rows, const std::optional<RowIdentity>& id) {
    for (std::size_t k = 0; id && k < rows.size(); ++k) {
        if (IdentityOf(rows[k]) == *id) {
            return static_cast<int>(k);
        }
    }
    return std::nullopt;
}

template <typename Row>
std::optional<RowIdentity> IdentityAt(const std::vector<Row>& rows, std::optional<int> row) {
    if (!row) {
        return std::nullopt;
    }
    return IdentityOf(rows.at(static_cast<std::size_t>(*row)));
}

}  // namespace

WindowModel::WindowModel(const TemBase& base) : base_(base) {
    if (const auto listed = ListAllModules(base_, SortKey::Name, SortOrder::Descending, list_)) {
        selected_ = *listed;
    }
}

void WindowModel::Search(const SearchCriteria& typed) {
    ForgetAnswer();
    searched_ = typed;
    criteria_ = WithLineFeeds(CriteriaTextUtf8(typed));
    if (const auto found =
            ListSearchResult(base_, thot_, typed, SortKey::Name, SortOrder::Descending, list_)) {
        selected_ = *found;
    }
    row_.reset();
}

void WindowModel::TakeOfferedPoints() {
    AdviceRequest request;
    request.criteria = searched_;
    SetPoints(request);
    Choose(points_.empty() ? std::nullopt : std::optional<int>(0));
}

void WindowModel::ShowAll() {
    if (const auto listed = ListAllModules(base_, SortKey::Name, SortOrder::Descending, list_)) {
        selected_ = *listed;
        row_.reset();
    }
}

void WindowModel::Clear() {
    list_.Clear();
    ForgetAnswer();
    criteria_.clear();
}

void WindowModel::ForgetAnswer() {
    advised_.reset();
    stacked_.reset();
    points_.clear();
    stacks_.clear();
    row_.reset();
}

void WindowModel::SteppedTo(double kelvin) {
    thot_ = kelvin;
    const std::int32_t marked = list_.Rederived(base_, SortKey::Name, SortOrder::Descending);
    const TemRecord* shown = RecordAt(base_, selected_);
    if (shown == nullptr || !shown->rated.derivable) {
        selected_ = marked;
    }
    if (advised_) {
        const auto id = IdentityAt(points_, row_);
        SetPoints(*advised_);
        Choose(Locate(points_, id));
    } else if (stacked_) {
        const auto id = IdentityAt(stacks_, row_);
        SetStacks(*stacked_);
        Choose(Locate(stacks_, id));
    } else {
        row_.reset();
    }
}

bool WindowModel::Advise(const AdviceRequest& request, std::optional<StageCurrents> currents) {
    if (CheckAdviceRequest(request)) {
        return false;
    }
    if (currents) {
        SetStacks({request, *currents});
    } else {
        SetPoints(request);
    }
    Choose(AnswerRows() > 0 ? std::optional<int>(0) : std::nullopt);
    return true;
}

void WindowModel::SetPoints(const AdviceRequest& request) {
    const Advice advice = RunAdvisor(base_, thot_, request);
    criteria_ = WithLineFeeds(AdviceCriteriaText(request, advice, thot_));
    const auto pullDowns =
        request.coldMass ? PointPullDowns(base_, request, advice.points) : std::vector<PullDown>{};
    points_ = MakePointRows(base_, request, advice.points, pullDowns);
    whyNone_.clear();
    if (points_.empty()) {
        const std::string summary = RejectionSummary(request, advice);
        whyNone_ = (summary.empty() ? std::string() : summary + ".\r\n") +
                   ShortfallText(base_, thot_, request, FindShortfall(base_, thot_, request));
    }
    advised_ = request;
    stacked_.reset();
    stacks_.clear();
    sortColumn_ = -1;
    reversed_ = false;
    row_.reset();
}

void WindowModel::SetStacks(const StackRequest& request) {
    StackAdvice advice = FindStacks(base_, thot_, request);
    SortStacks(base_, advice.stacks, {});
    const std::size_t n = advice.stacks.size();
    criteria_ = WithLineFeeds(
        AdviceCriteriaText(request.advice, RunAdvisor(base_, thot_, request.advice), thot_) +
        (n == 0 ? NoStackText(base_, thot_, request) + ".\r\n"
                : "Two stages: " + std::to_string(n) +
                      (n == 1 ? " stack carries" : " stacks carry") + " the load.\r\n"));
    const auto pullDowns = request.advice.coldMass ? StackPullDowns(base_, request, advice.stacks)
                                                   : std::vector<StackPullDown>{};
    stacks_ = MakeStackRows(base_, advice.stacks, pullDowns);
    stacked_ = request;
    advised_.reset();
    points_.clear();
    whyNone_.clear();
    sortColumn_ = -1;
    reversed_ = false;
    row_.reset();
}

void WindowModel::Choose(std::optional<int> row) {
    row_ = row;
    if (row && stacked_) {
        selected_ = static_cast<std::int32_t>(stacks_.at(static_cast<std::size_t>(*row)).stack.top);
    } else if (row) {
        selected_ =
            static_cast<std::int32_t>(points_.at(static_cast<std::size_t>(*row)).point.index);
    }
}

void WindowModel::ClickModuleRow(int row) {
    list_.SetMark(row);
    selected_ = list_.MarkedModule(base_);
    row_.reset();
}

void WindowModel::ClickAnswerRow(int row) {
    Choose(row);
}

void WindowModel::ClickHeader(int column) {
    reversed_ = column == sortColumn_ && !reversed_;
    sortColumn_ = column;
    const auto column_ = static_cast<std::size_t>(column);
    if (stacked_) {
        const auto id = IdentityAt(stacks_, row_);
        SortAnswerRows(stacks_, ShownColumns(StackRowColumns(), Needs()).at(column_), reversed_);
        row_ = Locate(stacks_, id);
    } else {
        const auto id = IdentityAt(points_, row_);
        SortAnswerRows(points_, ShownColumns(PointColumns(), Needs()).at(column_), reversed_);
        row_ = Locate(points_, id);
    }
}

void WindowModel::CatalogueReplaced() {
    advised_.reset();
    stacked_.reset();
    points_.clear();
    stacks_.clear();
    criteria_.clear();
    ShowAll();
}

ColumnNeeds WindowModel::Needs() const {
    return {(advised_ && advised_->coldMass) || (stacked_ && stacked_->advice.coldMass),
            advised_ && advised_->sink.has_value()};
}

std::string WindowModel::Title() const {
    const TemRecord* record = RecordAt(base_, selected_);
    return "Vantiq : " + (record ? EscapeControls(Cp1251ToUtf8(record->Name())) : std::string()) +
           " <" + std::to_string(base_.count) + " TEMs in base total>";
}

std::optional<OperatingPoint> WindowModel::Point() const {
    if (!row_) {
        return std::nullopt;
    }
    const auto k = static_cast<std::size_t>(*row_);
    if (stacked_) {
        const StackPoint& s = stacks_.at(k).stack;
        return StageOperatingPoints(base_.records.at(s.top), base_.records.at(s.bottom), s)[0];
    }
    return points_.at(k).point;
}

double WindowModel::ShownThot() const {
    const auto point = Point();
    return point ? point->thot : thot_;
}

double WindowModel::StatusThot() const {
    if (row_ && stacked_) {
        return stacks_.at(static_cast<std::size_t>(*row_)).stack.thot;
    }
    return ShownThot();
}

std::string WindowModel::Why() const {
    if (!advised_) {
        return {};
    }
    if (points_.empty()) {
        return whyNone_;
    }
    const TemRecord* record = RecordAt(base_, selected_);
    const bool listed = std::any_of(points_.begin(), points_.end(), [this](const PointRow& r) {
        return static_cast<std::int32_t>(r.point.index) == selected_;
    });
    if (row_ || record == nullptr || listed) {
        return {};
    }
    return Cp1251ToUtf8(record->Name()) + " is not a result: " +
           WhyNotText(base_, thot_, *advised_, static_cast<std::uint32_t>(selected_));
}

std::vector<std::string> WindowModel::Headers() const {
    return stacked_ ? AnswerHeaders(ShownColumns(StackRowColumns(), Needs()))
                    : AnswerHeaders(ShownColumns(PointColumns(), Needs()));
}

std::vector<std::vector<std::string>> WindowModel::Cells() const {
    return stacked_ ? AnswerCells(stacks_, ShownColumns(StackRowColumns(), Needs()))
                    : AnswerCells(points_, ShownColumns(PointColumns(), Needs()));
}

}  // namespace vantiq::test

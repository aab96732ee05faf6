#pragma once

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QToolButton;

namespace vantiq {

class AnswerModel;
class FrozenTableView;

// The table of answers below the drawing view: a title naming what the rows
// answer, a close button, and the operating points or stacks with the module
// column kept in view. A click on a header asks for a sort by that column
// (SortRequested); clicking a row, moving to it with the arrow keys or
// pressing Enter on it chooses it (RowChosen); Ctrl+C copies the selected
// rows as text. It shows what it is given and keeps no answer of its own.
class AnswerTable : public QWidget {
    Q_OBJECT

public:
    explicit AnswerTable(QWidget* parent = nullptr);

    // Shows `cells` under `headers` (UTF-8), rows `version` of the answer,
    // the header of column `sortColumn` marked as sorted, largest first or
    // not (-1: none). The picks go with the rows they were made on.
    void Show(const std::vector<std::string>& headers,
              const std::vector<std::vector<std::string>>& cells, int version, int sortColumn,
              bool descending);
    // The version of the rows shown (-1: none yet).
    int Version() const { return version_; }
    void SetTitle(const QString& title);
    // Marks `row` as the chosen one (none: no row), keeping the rows picked
    // beside it; chooses nothing itself.
    void MarkRow(std::optional<int> row);

    FrozenTableView* View() const { return view_; }
    const AnswerModel& Model() const { return *model_; }
    QString Title() const;
    // The selected rows as text, as Ctrl+C copies them.
    QString SelectedText() const;
    // The rows picked for comparing, top to bottom.
    std::vector<int> Picked() const;

signals:
    void RowChosen(int row, const std::vector<int>& picked);
    void SortRequested(int column);
    void CloseRequested();

private:
    void ConnectView();
    void CopySelected() const;

    QLabel* title_;
    QToolButton* close_;
    AnswerModel* model_;
    FrozenTableView* view_;
    int version_ = -1;
};

}  // namespace vantiq

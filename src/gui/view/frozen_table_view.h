#pragma once

#include <QTableView>

namespace vantiq {

// A table whose first column stays in view while the others scroll
// sideways: a second view showing only that column lies over it, sharing
// the model, the selection and the vertical scrolling.
class FrozenTableView : public QTableView {
    Q_OBJECT

public:
    explicit FrozenTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The view over the first column.
    QTableView* Frozen() const { return frozen_; }
    // Hides every column of the frozen view but the first; called after the
    // model's columns changed.
    void FreezeFirstColumn();
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // A key moved the current row to `row`, or Enter was pressed on it.
    void RowKeyed(int row);
    // Ctrl+C (the platform's copy keys) was pressed.
    void CopyPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void PlaceFrozen();

    QTableView* frozen_;
};

}  // namespace vantiq

#include "gui/view/frozen_table_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace vantiq {

FrozenTableView::FrozenTableView(QWidget* parent)
    : QTableView(parent), frozen_(new QTableView(this)) {
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollMode(ScrollPerPixel);
    frozen_->setSelectionBehavior(SelectRows);
    frozen_->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setSelectionBehavior(SelectRows);
    viewport()->stackUnder(frozen_);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (column == 0) {
                    frozen_->setColumnWidth(0, size);
                    PlaceFrozen();
                }
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { frozen_->setRowHeight(row, size); });
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
}

void FrozenTableView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    frozen_->setModel(model);
    frozen_->setSelectionModel(selectionModel());
    FreezeFirstColumn();
}

void FrozenTableView::FreezeFirstColumn() {
    const int columns = model() != nullptr ? model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        frozen_->setColumnHidden(column, column != 0);
    }
    frozen_->setColumnWidth(0, columnWidth(0));
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->setWordWrap(wordWrap());
    frozen_->setVisible(columns > 0);
    PlaceFrozen();
}

void FrozenTableView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit CopyPressed();
        return;
    }
    const int before = currentIndex().row();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QTableView::keyPressEvent(event);
    const int row = currentIndex().row();
    if (row >= 0 && (enter || row != before)) {
        emit RowKeyed(row);
    }
}

void FrozenTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlaceFrozen();
}

void FrozenTableView::PlaceFrozen() {
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                         viewport()->height() + horizontalHeader()->height());
}

QModelIndex FrozenTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex current = QTableView::moveCursor(action, modifiers);
    // A cell moved to from the right must not end up under the frozen column.
    if (action == MoveLeft && current.column() > 0 &&
        visualRect(current).topLeft().x() < frozen_->columnWidth(0)) {
        const int by = columnViewportPosition(current.column()) - frozen_->columnWidth(0);
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + by);
    }
    return current;
}

void FrozenTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // The frozen column is always in view: for it only the rows scroll, at
    // the column first in view beside it.
    const int beside = columnAt(frozen_->columnWidth(0) + 1);
    QTableView::scrollTo(index.column() == 0 && beside > 0 ? index.siblingAtColumn(beside) : index,
                         hint);
}

}  // namespace vantiq

#pragma once

#include <QDialog>

#include <vector>

#include "core/advisor/comparison.h"

class QLabel;
class QTableWidget;

namespace vantiq {

// View > "Compare": the compared modules' values side by side, one column per
// module (or per operating point when they were picked among the points). It
// stays open beside the window and is refilled whenever the picks change.
class CCompareDlg : public QDialog {
    Q_OBJECT

public:
    explicit CCompareDlg(QWidget* parent = nullptr);

    // Shows `rows` (ComparisonTable); with fewer than two columns a line
    // says how to pick more.
    void ShowRows(const std::vector<ComparisonRow>& rows);
    const QTableWidget* Table() const { return table_; }

private:
    QLabel* hint_;
    QTableWidget* table_;
};

}  // namespace vantiq

#pragma once

#include <QDialog>

#include <memory>

#include "core/base/base_writer.h"
#include "core/fit/rating_fit.h"

namespace Ui {
class DatasheetDlg;
}

class QPushButton;

namespace vantiq {

// File > "Add module from datasheet...": the datasheet's ratings of one
// module, the fit's result beside them as they are typed (the derived
// Imax, Umax, dTmax, Qmax and AC resistance with each deviation, or why the
// ratings cannot be fitted), and "Add", which is offered only for a fit
// that meets its tolerances under a name the catalogue can store.
class CDatasheetDlg : public QDialog {
    Q_OBJECT

public:
    explicit CDatasheetDlg(QWidget* parent = nullptr);
    ~CDatasheetDlg() override;

    // The module to add, with a drawn datasheet; set when "Add" was pressed.
    const CatalogueEntry& Entry() const { return entry_; }
    // The fit of the ratings as they stand.
    const RatingFit& Fit() const { return fit_; }

private:
    Ratings TypedRatings() const;
    FitMode TypedMode() const;
    void Refit();
    void AddModule();

    std::unique_ptr<Ui::DatasheetDlg> ui_;
    QPushButton* add_ = nullptr;
    RatingFit fit_;
    CatalogueEntry entry_;
};

}  // namespace vantiq

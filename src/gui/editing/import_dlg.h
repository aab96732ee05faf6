#pragma once

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

#include "core/base/base_writer.h"
#include "core/fit/ratings_csv.h"

namespace Ui {
class ImportDlg;
}

namespace vantiq {

// File > "Import modules from CSV...": every row of a ratings source with
// its fit (each derived rating and its deviation) or its problem, before
// anything is written. "Import" is offered only when every row fits under a
// name the catalogue can store.
class CImportDlg : public QDialog {
    Q_OBJECT

public:
    // `rows` as read from the source.
    CImportDlg(const std::vector<RatingsRow>& rows, QWidget* parent = nullptr);
    ~CImportDlg() override;

    // The modules to add, with drawn datasheets; set when "Import" was pressed.
    const std::vector<CatalogueEntry>& Entries() const { return entries_; }

private:
    void ShowRow(int row, const RatingsRow& source);
    void Import();

    std::unique_ptr<Ui::ImportDlg> ui_;
    std::vector<CatalogueEntry> fitted_;
    std::vector<CatalogueEntry> entries_;
    int problems_ = 0;
};

}  // namespace vantiq

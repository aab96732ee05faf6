#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDlg;
}

namespace vantiq {

// "About "Vantiq"": the program's picture, its name and version, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

private:
    std::unique_ptr<Ui::AboutDlg> ui_;
};

}  // namespace vantiq

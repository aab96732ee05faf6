#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <memory>

#include "core/model/base_derivation.h"

namespace Ui {
class LoadProgressDialog;
}

namespace vantiq {

// The small window shown while the catalogue is read and derived: the
// message line, the entry count and a bar over the whole count. It appears
// when the load starts and keeps itself painted while the load runs, without
// taking user input meanwhile.
class LoadProgressDialog : public QDialog, public LoadProgress {
    Q_OBJECT

public:
    explicit LoadProgressDialog(QWidget* parent = nullptr);
    ~LoadProgressDialog() override;

    void Started(std::uint32_t count) override;
    void Advanced(std::uint32_t done) override;

    int Value() const;

private:
    void Repaint();

    std::unique_ptr<Ui::LoadProgressDialog> ui_;
    QElapsedTimer sinceRepaint_;
};

}  // namespace vantiq

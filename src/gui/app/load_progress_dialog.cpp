#include "gui/app/load_progress_dialog.h"

#include <QApplication>
#include <QScreen>

#include <limits>

#include "ui_load_progress_dialog.h"

namespace vantiq {
namespace {

// Often enough to look alive, rarely enough to cost nothing next to the load.
constexpr qint64 kRepaintIntervalMs = 40;

int BarValue(std::uint32_t value) {
    return static_cast<int>(std::min<std::uint32_t>(value, std::numeric_limits<int>::max()));
}

}  // namespace

LoadProgressDialog::LoadProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint),
      ui_(std::make_unique<Ui::LoadProgressDialog>()) {
    ui_->setupUi(this);
}

LoadProgressDialog::~LoadProgressDialog() = default;

void LoadProgressDialog::Started(std::uint32_t count) {
    ui_->countLine->setText(QString::fromStdString(CountLine(count)));
    ui_->progressBar->setRange(0, BarValue(count));
    ui_->progressBar->setValue(0);
    adjustSize();
    if (parentWidget() == nullptr || !parentWidget()->isVisible()) {
        move(screen()->availableGeometry().center() - rect().center());
    }
    show();
    Repaint();
}

void LoadProgressDialog::Advanced(std::uint32_t done) {
    ui_->progressBar->setValue(BarValue(done));
    if (sinceRepaint_.elapsed() >= kRepaintIntervalMs) {
        Repaint();
    }
}

void LoadProgressDialog::Repaint() {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.start();
}

int LoadProgressDialog::Value() const {
    return ui_->progressBar->value();
}

}  // namespace vantiq

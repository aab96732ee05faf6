#include "gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

#include "sample_base.h"

namespace vantiq::test {
namespace {

void CloseBox(QMessageBox* box, const QString& press) {
    for (QAbstractButton* button : box->buttons()) {
        if (!press.isEmpty() && button->text() == press) {
            button->click();
            return;
        }
    }
    if (QAbstractButton* button = box->defaultButton()) {
        button->click();
    } else if (QAbstractButton* escape = box->escapeButton()) {
        escape->click();
    } else {
        box->done(0);
    }
}

}  // namespace

ModalWatcher::ModalWatcher(std::function<void(QDialog*)> onDialog)
    : onDialog_(std::move(onDialog)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
}

void ModalWatcher::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->informativeText()});
        CloseBox(box, press_);
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog && !onDialog_) {
        dialog->reject();  // a dialog no test answers is cancelled
        return;
    }
    if (!dialog || std::count(seen_.begin(), seen_.end(), dialog) > 0) {
        return;
    }
    seen_.emplace_back(dialog);
    onDialog_(dialog);
}

PostedCallCounter::PostedCallCounter(QObject* target) {
    target->installEventFilter(this);
}

bool PostedCallCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MetaCall) {
        ++count_;
    }
    return false;
}

void UseSettingsFolder(const std::filesystem::path& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.string()));
}

CurrentDirectory::CurrentDirectory(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

CurrentDirectory::~CurrentDirectory() {
    std::filesystem::current_path(previous_);
}

void CopySampleBase(const std::filesystem::path& folder) {
    std::filesystem::copy_file(VANTIQ_SAMPLE_BASE, folder / "Base.tmb");
}

void TypeOver(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ProcessEvents() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

}  // namespace vantiq::test

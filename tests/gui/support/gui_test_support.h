#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QDialog;
class QLineEdit;

namespace vantiq::test {

// Answers the modal windows that open while it lives, as a user would.
// Message boxes are recorded and closed with their default button (or the
// button named by PressInBoxes, where a box has one); any other
// dialog is handed once to `onDialog`, which must not block (schedule the
// clicks with a zero timer instead), or cancelled without one.
class ModalWatcher {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QString informativeText;
    };

    explicit ModalWatcher(std::function<void(QDialog*)> onDialog = {});

    // From now on a box with a button reading `text` is closed with it.
    void PressInBoxes(const QString& text) { press_ = text; }

    const std::vector<Box>& Boxes() const { return boxes_; }

private:
    void Poll();

    std::function<void(QDialog*)> onDialog_;
    std::vector<Box> boxes_;
    QString press_;
    std::vector<QPointer<QWidget>> seen_;
    QTimer timer_;
};

// Counts the queued calls delivered to `target` while it lives, that is
// the notifications posted to it.
class PostedCallCounter : public QObject {
public:
    explicit PostedCallCounter(QObject* target);
    int Count() const { return count_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count_ = 0;
};

// Points the stored settings at `folder` for the objects created from now on.
void UseSettingsFolder(const std::filesystem::path& folder);

// Makes `folder` the current directory for its lifetime.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& folder);
    ~CurrentDirectory();

private:
    std::filesystem::path previous_;
};

// Copies the bundled sample catalogue to `folder`/Base.tmb.
void CopySampleBase(const std::filesystem::path& folder);

// Types `text` over the contents of `edit`, one key press per character.
void TypeOver(QLineEdit* edit, const QString& text);

// Runs queued events until none is left.
void ProcessEvents();

// The widget of `parent` named `name`, failing the test when there is none.
template <typename T>
T* Find(const QWidget* parent, const char* name) {
    T* widget = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no widget " << name;
    return widget;
}

}  // namespace vantiq::test

#include "app_fixture.h"

#include <QMenu>
#include <QMenuBar>

namespace vantiq::test {
namespace {

QAction* FindAction(const QList<QAction*>& actions, const QString& text) {
    for (QAction* action : actions) {
        if (QString(action->text()).remove(QLatin1Char('&')) == text) {
            return action;
        }
        if (action->menu() != nullptr) {
            if (QAction* found = FindAction(action->menu()->actions(), text)) {
                return found;
            }
        }
    }
    return nullptr;
}

}  // namespace

void AppFixture::SetUp() {
    UseSettingsFolder(dir_.path() / "config");
    CopySampleBase(dir_.path());
}

void AppFixture::TearDown() {
    app_.reset();
    cwd_.reset();
}

bool AppFixture::Start() {
    cwd_.emplace(dir_.path());
    app_ = std::make_unique<CApp>();
    const bool started = app_->InitInstance();
    ProcessEvents();
    return started;
}

QAction* AppFixture::Command(const QString& text) const {
    QAction* action = FindAction(Frame().menuBar()->actions(), text);
    EXPECT_NE(action, nullptr) << text.toStdString();
    return action;
}

}  // namespace vantiq::test

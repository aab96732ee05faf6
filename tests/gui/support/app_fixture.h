#pragma once

#include <QAction>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "gui/app/app.h"
#include "gui/app/main_frame.h"
#include "gui_test_support.h"
#include "test_support.h"

namespace vantiq::test {

// A run of the program on a copy of the sample catalogue in its current
// folder, with its settings and its user data folder in folders of its own.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program in the fixture's folder; false when start-up failed.
    bool Start();
    CMainFrame& Frame() const { return *app_->MainFrame(); }
    const TemBase& Base() const { return app_->Base(); }
    const CatalogueSession& Session() const { return Frame().Catalogue(); }
    // The menu command whose text is `text`.
    QAction* Command(const QString& text) const;

    TempDir dir_;
    std::unique_ptr<CApp> app_;
    // The current folder and user data folder of the run, set by Start().
    std::optional<CatalogueSearchScope> cwd_;
};

}  // namespace vantiq::test

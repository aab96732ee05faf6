#pragma once

#include <memory>
#include <string>

#include "core/base/base_loader.h"
#include "core/base/tem_base.h"

namespace vantiq {

class CMainFrame;

// The program's start-up: opens the catalogue, then creates and shows the
// main window. Owns the catalogue and the window for the whole run.
class CApp {
public:
    // `basePath` is the catalogue named on the command line; when empty it
    // is looked for (see StartupCatalogueCandidates).
    explicit CApp(std::string basePath = {});
    ~CApp();

    // Opens the catalogue (a missing, locked or damaged file is reported with
    // every path tried, then the user may choose one; cancelling that ends
    // start-up before any window exists), creates the main window,
    // whose panel loads the records, and shows it. False when start-up
    // failed; nothing is shown then.
    bool InitInstance();

    // InitInstance, then the event loop; the process's exit code.
    int Run();

    CMainFrame* MainFrame() const { return frame_.get(); }
    const TemBase& Base() const { return base_; }

private:
    // Offers the open-catalogue dialog until a chosen file opens (each
    // failure is shown); the path opened, or empty when the user cancelled.
    std::string AskUntilOpened();

    std::string basePath_;
    TemBase base_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace vantiq

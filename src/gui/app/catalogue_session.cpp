#include "gui/app/catalogue_session.h"

#include <QMessageBox>

#include "core/base/catalogue_finder.h"
#include "core/model/base_derivation.h"
#include "gui/app/error_box.h"
#include "gui/app/load_progress_dialog.h"
#include "render/text/cp1251_text.h"

namespace vantiq {

bool CatalogueSession::LoadRecords(QWidget* parent) {
    if (!base_.isOpen) {
        return true;
    }
    ++loads_;
    loading_ = true;
    const Result<LoadReport> result = [this, parent] {
        LoadProgressDialog progress(parent);
        return LoadBase(base_, thot_, &progress);
    }();
    loading_ = false;
    if (!result.ok()) {
        ShowErrorBox(parent, CatalogueErrorCaption(), result.error());
        return false;
    }
    if (result->underivable != named_) {
        named_ = result->underivable;
        const std::string text = UnderivableMessage(base_, named_);
        if (!text.empty()) {
            QMessageBox::warning(parent, QStringLiteral("Vantiq"), QString::fromStdString(text));
        }
    }
    return true;
}

bool CatalogueSession::OpenInstead(const std::string& path, QWidget* parent) {
    if (loading_) {
        return false;
    }
    TemBase fresh;
    const Result<std::string> found = OpenFirstBase(fresh, {{path}});
    if (!found.ok()) {
        ShowErrorBox(parent, CatalogueErrorCaption(), found.error());
        return false;
    }
    // The new catalogue is loaded beside the one in use, which therefore
    // stays whole when the load fails.
    CatalogueSession trial(fresh);
    trial.thot_ = thot_;
    loading_ = true;
    const bool loaded = trial.LoadRecords(parent);
    loading_ = false;
    ++loads_;
    if (!loaded) {
        return false;
    }
    base_ = std::move(fresh);
    named_ = trial.named_;
    selected_ = 0;
    // The answer named modules of the catalogue closed. Its count goes on:
    // the answer table rewrites its cells only for an answer of another
    // count, and one counted afresh showed the closed catalogue's table.
    const int answers = state_.answer.version;
    state_ = {};
    state_.answer.version = answers + 1;
    return true;
}

bool CatalogueSession::ReloadAt(double kelvin, QWidget* parent) {
    if (loading_) {
        return false;
    }
    const double previous = thot_;
    thot_ = kelvin;
    // A failed load keeps the records derived at the previous temperature,
    // so the temperature goes back with them.
    if (!LoadRecords(parent)) {
        thot_ = previous;
        return false;
    }
    return true;
}

}  // namespace vantiq

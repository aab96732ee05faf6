#include "gui/app/record_loader.h"

#include <QMessageBox>

#include "core/base/base_loader.h"
#include "gui/app/load_progress_dialog.h"
#include "render/text/cp1251_text.h"

namespace vantiq {

bool RecordLoader::Load(QWidget* parent) {
    if (!base_.isOpen) {
        return true;
    }
    ++loads_;
    const Result<LoadReport> result = [this, parent] {
        LoadProgressDialog progress(parent);
        return LoadBase(base_, &progress);
    }();
    if (!result.ok()) {
        QMessageBox::critical(parent, QString::fromStdString(result.error().caption),
                              QString::fromStdString(result.error().message));
        return false;
    }
    if (result->underivable != named_) {
        named_ = result->underivable;
        const std::string text = UnderivableMessage(base_, named_);
        if (!text.empty()) {
            QMessageBox::warning(parent, QStringLiteral("Vantiq"), Cp1251ToQString(text));
        }
    }
    return true;
}

}  // namespace vantiq

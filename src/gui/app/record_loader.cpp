#include "gui/app/record_loader.h"

#include <QMessageBox>

#include "core/base/base_loader.h"
#include "gui/app/load_progress_dialog.h"

namespace vantiq {

bool RecordLoader::Load(QWidget* parent) {
    if (!base_.isOpen) {
        return true;
    }
    ++loads_;
    LoadResult result;
    {
        LoadProgressDialog progress(parent);
        result = LoadBase(base_, &progress);
    }
    if (result.error) {
        QMessageBox::critical(parent, QString::fromStdString(result.error->caption),
                              QString::fromStdString(result.error->message));
        return false;
    }
    if (result.underivable != named_) {
        named_ = result.underivable;
        const std::string text = UnderivableMessage(base_, named_);
        if (!text.empty()) {
            QMessageBox::warning(parent, QStringLiteral("Vantiq"), QString::fromStdString(text));
        }
    }
    return true;
}

}  // namespace vantiq

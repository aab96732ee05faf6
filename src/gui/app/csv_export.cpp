#include "gui/app/csv_export.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

#include "core/report/list_table.h"
#include "gui/panel/answer_actions.h"

namespace vantiq {
namespace {

// Asks for a file, suggesting `suggested`, and writes `text` there; a
// failure is reported, a cancelled dialog writes nothing.
void AskAndWrite(QWidget* parent, const QString& title, const QString& suggested,
                 const std::string& text) {
    const QString path =
        QFileDialog::getSaveFileName(parent, title, suggested, QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (!WriteCsvFile(path, text)) {
        QMessageBox::critical(parent, QStringLiteral("Error!"),
                              QStringLiteral("Cannot write %1").arg(path));
    }
}

}  // namespace

bool WriteCsvFile(const QString& path, const std::string& text) {
    // QSaveFile writes beside the target and renames at the end, so a failed
    // export never leaves half a file in place of a good one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

void ExportAnswer(QWidget* parent, const AnswerState& answer) {
    if (answer.size() == 0) {
        QMessageBox::information(parent, QStringLiteral("Vantiq"),
                                 QStringLiteral("There are no operating points or stacks to "
                                                "export: press \"Operating points\" in step 5 "
                                                "first."));
        return;
    }
    const bool stacks = answer.stacked.has_value();
    AskAndWrite(parent,
                stacks ? QStringLiteral("Export stacks as CSV")
                       : QStringLiteral("Export operating points as CSV"),
                stacks ? QStringLiteral("stacks.csv") : QStringLiteral("operating_points.csv"),
                AnswerCsvText(answer));
}

void ExportResultList(QWidget* parent, const TemBase& base, const ResultList& list) {
    if (list.empty()) {
        QMessageBox::information(parent, QStringLiteral("Vantiq"),
                                 QStringLiteral("The list is empty: there is nothing to export."));
        return;
    }
    AskAndWrite(parent, QStringLiteral("Export list as CSV"), QStringLiteral("modules.csv"),
                ListSheetCsv(base, list));
}

}  // namespace vantiq

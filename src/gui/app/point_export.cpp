#include "gui/app/point_export.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

#include "core/advisor/advice_table.h"

namespace vantiq {

bool WriteOperatingPoints(const QString& path, const TemBase& base,
                          const std::vector<OperatingPoint>& points) {
    // QSaveFile writes beside the target and renames at the end, so a failed
    // export never leaves half a file in place of a good one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const std::string text = AdviceCsv(base, points);
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

void ExportOperatingPoints(QWidget* parent, const TemBase& base,
                           const std::vector<OperatingPoint>& points) {
    if (points.empty()) {
        QMessageBox::information(parent, QStringLiteral("Vantiq"),
                                 QStringLiteral("There are no operating points to export: press "
                                                "\"Operating points\" in step 5 first."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Export operating points as CSV"),
        QStringLiteral("operating_points.csv"), QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (!WriteOperatingPoints(path, base, points)) {
        QMessageBox::critical(parent, QStringLiteral("Error!"),
                              QStringLiteral("Cannot write %1").arg(path));
    }
}

}  // namespace vantiq

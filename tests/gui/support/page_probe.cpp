#include "page_probe.h"

#include <QProcess>

#include <cstdlib>

namespace vantiq::test {
namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool Near(int a, int b, int tolerance) {
    return std::abs(a - b) <= tolerance;
}

}  // namespace

QString PdfText(const QString& path) {
    return RunTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}

QString PdfInfo(const QString& path) {
    return RunTool(QStringLiteral("pdfinfo"), {path});
}

QImage PdfPageImage(const QString& path, int dpi) {
    const QString prefix = path + QStringLiteral(".page");
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), path, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

int CountPixels(const QImage& image, const QRect& area, const QColor& colour, int tolerance) {
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += Near(pixel.red(), colour.red(), tolerance) &&
                     Near(pixel.green(), colour.green(), tolerance) &&
                     Near(pixel.blue(), colour.blue(), tolerance);
        }
    }
    return count;
}

}  // namespace vantiq::test

#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace vantiq::test {

// What a reader finds on a printed page: the text and facts of a PDF, its
// rendering, and pixel counts of a drawn page.

// The text of a PDF as pdftotext reads it, or empty when it cannot.
QString PdfText(const QString& path);

// pdfinfo's report on a PDF ("Pages:", "Title:", "Page size:" lines).
QString PdfInfo(const QString& path);

// The first page of a PDF rendered by pdftoppm at `dpi`; null when it cannot be.
QImage PdfPageImage(const QString& path, int dpi);

// Pixels of `area` in `image` whose colour is `colour` (exactly, or within
// `tolerance` in each channel).
int CountPixels(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 0);

}  // namespace vantiq::test

#pragma once

#include <QImage>
#include <QPaintDevice>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/advisor/operating_point.h"
#include "core/base/tem_base.h"
#include "core/model/hot_side.h"
#include "render/colors/color_settings.h"
#include "render/pages/page_painter.h"

namespace vantiq {

// The two printable pages of a module.
enum class PageKind { Datasheet, Graphs };

// Everything a printed page shows of one module; a copy, so a page can be
// drawn after the base has moved on.
struct PageContent {
    TemRecord record;
    double thot = kDefaultThot;  // K
    ColorSettings colors;
    QImage picture;                       // the datasheet picture; null when the module has none
    std::optional<OperatingPoint> point;  // the operating point the module was chosen at
    // The modules overlaid at their own points beside `point`.
    std::vector<PointedModule> alongside;
};

// The content of module `selected` (a record index, -1 for none) of `base`,
// derived at `thot` (K), or nullopt when the base holds no such module; no
// record is read then. `point` is kept when it belongs to that module, and
// with it the points `alongside` it (of any of the base's modules).
std::optional<PageContent> SelectedPageContent(const TemBase& base, std::int32_t selected,
                                               double thot, const ColorSettings& colors,
                                               const QImage& picture,
                                               const std::optional<OperatingPoint>& point = {},
                                               std::span<const OperatingPoint> alongside = {});

// The printer job name (also the PDF title) of the page.
QString PageJobName(PageKind kind, const PageContent& content);

// The file a page is written to unless the user says otherwise: "<module
// name> graphs.pdf" or "<module name> datasheet.pdf", with every character
// that Windows refuses in a file name (control characters and < > : " / \ |
// ? *) replaced by "_".
QString PageFileName(PageKind kind, const PageContent& content);

// Draws the page on `device` over its whole paintable area (a printer's
// printable area, a PDF's page inside its margins, an image). Returns false,
// having drawn nothing, when no painter can be started on the device.
bool PaintPage(QPaintDevice& device, PageKind kind, const PageContent& content);

// Default resolution of exported PDF pages, dots per inch.
inline constexpr int kDefaultPdfDpi = 300;

// Writes the page as a one-page A4 PDF at `dpi` to `path`, titled with the
// job name. Returns false when the file cannot be written.
bool WritePagePdf(const QString& path, PageKind kind, const PageContent& content,
                  int dpi = kDefaultPdfDpi);

}  // namespace vantiq

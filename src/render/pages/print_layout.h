#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

#include <array>

#include "render/pages/graphs_page.h"

namespace vantiq {

// A font as the printed pages ask for it: the character cell's height and
// the average character width, both in device pixels.
struct PageFontSpec {
    int height = 0;
    int width = 0;
    bool underline = false;
    bool heavy = false;  // the heaviest weight, for the margin strip
};

// The grid that frames the performance table: six horizontal rules and three
// vertical ones, drawn with a solid pen of `penWidth`.
struct TableRules {
    int penWidth = 0;
    QColor color;
    std::array<int, 6> rowY{};
    int left = 0;
    int right = 0;
    std::array<int, 3> columnX{};
    int top = 0;
    int bottom = 0;
};

// Where everything of the printed graphs page goes on a printable area of
// W × H device pixels. Text positions are the top-left corners of the text.
struct GraphsPageLayout {
    QPoint title;
    PageFontSpec titleFont;
    int titleMaxWidth = 0;  // a long name is narrowed to end before the header picture
    QPoint hotSideLine;     // right under the title
    PageFontSpec hotSideFont;
    QPoint dataHeading;
    QPoint graphsHeading;
    PageFontSpec headingFont;
    int labelX = 0;
    int valueX = 0;
    std::array<int, 5> rowY{};
    PageFontSpec tableFont;
    TableRules rules;
    QPoint pointLine;  // the operating point's line under the table, when there is one
    // Right of the table, level with its top: the modules overlaid at
    // points of their own, each named on a line above its point's.
    QPoint alongsideLines;
    PageFontSpec pointFont;
    QRect headerPicture;
    // The band between the graphs heading and the graphs, for the legend.
    QRect legendBand;
    // Top-left, top-right, bottom-left, bottom-right; neighbours share a border.
    GraphCells graphCells{};
};

// The rounded strip along the right edge of both printed pages, and its
// upward-running text, which starts at `textOrigin` (the text's top-left
// corner before rotation).
struct StripLayout {
    QRect strip;
    int corner = 0;  // width and height of the corner ellipse
    QColor color;
    QPoint textOrigin;
    PageFontSpec font;
};

// The page geometry for a printable area of `width` × `height` device
// pixels: every size a fraction of the area, truncated toward zero.
GraphsPageLayout LayOutGraphsPage(int width, int height);
StripLayout LayOutStrip(int width, int height);

// The datasheet picture's rectangle: from the top-left corner to the strip,
// the full height.
QRect DatasheetPictureRect(int width, int height);

}  // namespace vantiq

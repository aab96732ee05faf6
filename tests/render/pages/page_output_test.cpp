#include "render/pages/page_output.h"
#include "core/model/hot_side.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cmath>
#include <cstring>

#include "page_probe.h"
#include "render/pages/print_layout.h"
#include "test_support.h"

namespace vantiq {
namespace {

class PageOutputTest : public testing::Test {
protected:
    static PageContent Content() {
        PageContent content;
        std::strncpy(content.record.file.name.data(), "\xD2\xDD\xCC 127", 29);
        content.record.rated.imax = 6.12;
        content.record.rated.umax = 14.96;
        content.record.rated.dtMax = -68.46;
        content.record.rated.qmax = 45.04;
        content.record.rated.acResistance = 1.236;
        content.record.rated.derivable = true;
        return content;
    }

    test::TempDir dir_;
};

TEST_F(PageOutputTest, GraphsPdfIsOneA4PageWithTheTableAsText) {
    const QString path = QString::fromStdString(dir_.File("graphs.pdf"));
    ASSERT_TRUE(WritePagePdf(path, PageKind::Graphs, Content()));
    const QString info = test::PdfInfo(path);
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           1"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)")));
    EXPECT_TRUE(info.contains(QStringLiteral("Vantiq document(performance graphs): ТЭМ 127")));
    const QString text = test::PdfText(path);
    for (const char* expected : {"Thermoelectric module ТЭМ 127", "Hot side: Th = 25 °C",
                                 "Performance data:", "Performance graphs:", "Imax, Ampers", "6.1",
                                 "Vmax, Volts", "15.0", "dTmax, °C", "68.5", "Qmax, Watts", "45.0",
                                 "AC resistance, ohms", "1.24", "Vantiq © Kestrin"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
}

TEST_F(PageOutputTest, DatasheetPdfCarriesThePictureAndTheStrip) {
    const QString path = QString::fromStdString(dir_.File("datasheet.pdf"));
    PageContent content = Content();
    content.picture = QImage(60, 80, QImage::Format_RGB32);
    content.picture.fill(Qt::darkCyan);
    ASSERT_TRUE(WritePagePdf(path, PageKind::Datasheet, content, 150));
    EXPECT_TRUE(
        test::PdfInfo(path).contains(QStringLiteral("Vantiq document(datasheet): ТЭМ 127")));
    EXPECT_TRUE(test::PdfText(path).contains(QStringLiteral("Vantiq © Kestrin")));
}

TEST_F(PageOutputTest, UnwritableFileFailsAndLeavesNothing) {
    const QString path = QString::fromStdString(dir_.File("missing/dir/page.pdf"));
    EXPECT_FALSE(WritePagePdf(path, PageKind::Graphs, Content()));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PageOutputTest, PaintPageFillsTheWholeDevice) {
    QImage page(600, 850, QImage::Format_RGB32);
    page.fill(Qt::black);
    ASSERT_TRUE(PaintPage(page, PageKind::Graphs, Content()));
    EXPECT_EQ(page.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(599, 849), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(590, 100), QColor(140, 140, 170)) << "the strip at the right edge";
}

TEST_F(PageOutputTest, NoSelectionGivesNoContent) {
    TemBase base;
    base.records.resize(2);
    base.records[1].rated.imax = 3.0;
    EXPECT_FALSE(SelectedPageContent(base, -1, kDefaultThot, {}, {}).has_value());
    EXPECT_FALSE(SelectedPageContent(base, 2, kDefaultThot, {}, {}).has_value()) << "past the end";
    const auto content = SelectedPageContent(base, 1, 310.0, {}, {});
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->record.rated.imax, 3.0);
    EXPECT_EQ(content->thot, 310.0);
}

TEST_F(PageOutputTest, FileNamesKeepTheWholeNameAndOnlyWhatWindowsAccepts) {
    PageContent content = Content();
    std::strncpy(content.record.file.name.data(), "\xD2\xDD\xCC 241-1.4-1.60", 29);
    EXPECT_EQ(PageFileName(PageKind::Graphs, content),
              QStringLiteral("ТЭМ 241-1.4-1.60 graphs.pdf"));
    std::strncpy(content.record.file.name.data(), "a<b>c:d\"e/f\\g|h?i*j\tk", 29);
    EXPECT_EQ(PageFileName(PageKind::Datasheet, content),
              QStringLiteral("a_b_c_d_e_f_g_h_i_j_k datasheet.pdf"));
}

// A page printed at 300, 600 or 1200 dpi carries its graphs' captions at one
// physical size; at 600 dpi the printed sizes hold as written.
TEST_F(PageOutputTest, GraphCaptionsKeepTheirPhysicalSizeAtEveryResolution) {
    struct Row {
        int dpi;
        int pen;
        int font;
    };
    for (const Row row : {Row{300, 2, 30}, Row{600, 4, 60}, Row{1200, 8, 120}}) {
        SCOPED_TRACE(row.dpi);
        const GraphStyle style = PrintGraphStyle(row.dpi);
        EXPECT_EQ(style.penWidth, row.pen);
        EXPECT_EQ(style.fontHeight, row.font);

        // A 2.4 × 3.4 inch page, small enough to hold in memory at 1200 dpi.
        QImage page(row.dpi * 12 / 5, row.dpi * 17 / 5, QImage::Format_RGB32);
        page.setDotsPerMeterX(std::lround(row.dpi / 0.0254));
        page.setDotsPerMeterY(std::lround(row.dpi / 0.0254));
        ASSERT_TRUE(PaintPage(page, PageKind::Graphs, Content()));
        // Down the middle of the Qc graph, through its top caption box and
        // the white caption in it.
        const Placement cell = LayOutGraphsPage(page.width(), page.height()).graphCells[1];
        const int x = cell.left + cell.Width() / 2;
        int first = -1;
        int last = -1;
        for (int y = cell.top; y < cell.top + cell.Height() / 4; ++y) {
            if (page.pixelColor(x, y) == QColor(140, 140, 170)) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        const int box = last - first + 1;
        EXPECT_NEAR(box * 600.0 / row.dpi, 72.0, 2.0) << box << " pixels";
    }
}

}  // namespace
}  // namespace vantiq

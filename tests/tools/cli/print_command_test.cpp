#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>

#include <sstream>

#include "cli/cli_app.h"
#include "cli_run.h"
#include "page_probe.h"
#include "test_support.h"

namespace vantiq {
namespace {

using test::CliRun;

class PrintCommandTest : public testing::Test {
protected:
    void SetUp() override {
        QImage picture(30, 40, QImage::Format_RGB32);
        picture.fill(QColor(0, 150, 0));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        base_ = test::WriteCatalogue(
            dir_.File("Base.tmb"),
            {{test::WorkedExampleModule("\xD2\xDD\xCC-1"), {png.begin(), png.end()}},
             {test::WorkedExampleModule("PLAIN"), {}}});
    }

    test::CliRun Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--base", base_});
        return test::CaptureCli(args);
    }

    QString Output() const { return QString::fromStdString(dir_.File("page.pdf")); }

    test::TempDir dir_;
    std::string base_;
};

TEST_F(PrintCommandTest, GraphsPageOfAModuleNamedInUtf8) {
    const CliRun run =
        Cli({"print", "--module", "ТЭМ-1", "--page", "graphs", "-o", dir_.File("page.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(test::PdfInfo(Output()).contains(QStringLiteral("Pages:           1")));
    const QString text = test::PdfText(Output());
    EXPECT_TRUE(text.contains(QStringLiteral("Thermoelectric module ТЭМ-1")));
    EXPECT_TRUE(text.contains(QStringLiteral("AC resistance, ohms")));
}

TEST_F(PrintCommandTest, DatasheetPageShowsTheModulesPicture) {
    const CliRun run = Cli({"print", "--module", "ТЭМ-1", "--page", "datasheet", "--dpi", "100",
                            "-o", dir_.File("page.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage page = test::PdfPageImage(Output(), 30);
    ASSERT_FALSE(page.isNull());
    const QColor middle = page.pixelColor(page.width() / 2, page.height() / 2);
    EXPECT_LT(middle.red(), 40);
    EXPECT_GT(middle.green(), 110);

    ASSERT_EQ(
        Cli({"print", "--module", "PLAIN", "--page", "datasheet", "-o", dir_.File("page.pdf")})
            .status,
        0);
    const QImage blank = test::PdfPageImage(Output(), 30);
    EXPECT_EQ(blank.pixelColor(blank.width() / 2, blank.height() / 2), QColor(Qt::white))
        << "a module without a picture prints only the strip";
}

TEST_F(PrintCommandTest, RejectsWhatItCannotPrint) {
    struct Case {
        const char* why;
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const std::string out = dir_.File("page.pdf");
    const Case cases[] = {
        {"unknown module",
         {"print", "--module", "NONE", "--page", "graphs", "-o", out},
         1,
         "no module named NONE"},
        {"unknown page",
         {"print", "--module", "PLAIN", "--page", "cover", "-o", out},
         2,
         "--page takes datasheet or graphs"},
        {"no output", {"print", "--module", "PLAIN", "--page", "graphs"}, 2, "-o FILE.pdf"},
        {"fractional dpi",
         {"print", "--module", "PLAIN", "--page", "graphs", "--dpi", "99.5", "-o", out},
         2,
         "--dpi takes a whole number"},
        {"dpi too high",
         {"print", "--module", "PLAIN", "--page", "graphs", "--dpi", "5000", "-o", out},
         2,
         "--dpi takes a whole number"},
        {"unwritable file",
         {"print", "--module", "PLAIN", "--page", "graphs", "-o", dir_.File("no/dir/page.pdf")},
         1,
         "cannot write"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, c.status) << c.why;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.why << ": " << run.err;
    }
    EXPECT_FALSE(QFile::exists(Output()));
}

}  // namespace
}  // namespace vantiq

#include <QImage>

#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "png_bytes.h"
#include "test_support.h"

namespace vantiq {
namespace {

int ExitStatus(const std::vector<std::string>& args, std::string* err = nullptr) {
    std::ostringstream out, errors;
    const int status = RunCli(args, out, errors);
    if (err != nullptr) {
        *err = errors.str();
    }
    return status;
}

class RenderCommand : public ::testing::Test {
protected:
    std::vector<std::string> Render(const std::string& module, const std::string& mode,
                                    const std::string& size) {
        return {"--base", base,     "render", "--module", module, "--mode",
                mode,     "--size", size,     "-o",       output};
    }

    test::TempDir dir;
    std::string base = test::WriteCatalogue(
        dir.File("Base.tmb"), {{test::WorkedExampleModule("A"), test::PngBytes(Qt::red)}});
    std::string output = dir.File("view.png");
};

TEST_F(RenderCommand, DrawsTheGraphsPageAtTheClientSize) {
    ASSERT_EQ(ExitStatus(Render("A", "graph", "501x401")), 0);
    const QImage image(QString::fromStdString(output));
    ASSERT_EQ(image.size(), QSize(501, 401));
    EXPECT_EQ(image.pixelColor(250, 100), QColor(140, 140, 170));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(252, 399), QColor(Qt::white));
}

TEST_F(RenderCommand, DrawsTheDatasheetOverTheMiddleOfTheWidth) {
    ASSERT_EQ(ExitStatus(Render("A", "datasheet", "100x50")), 0);
    const QImage image(QString::fromStdString(output));
    EXPECT_EQ(image.pixelColor(15, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(84, 49), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(14, 0), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(85, 0), QColor(Qt::red));
}

TEST_F(RenderCommand, RefusesUnknownModulesAndBadOptions) {
    std::string err;
    EXPECT_EQ(ExitStatus(Render("B", "graph", "100x100"), &err), 1);
    EXPECT_EQ(err, "vantiq-cli: no module named B\n");
    EXPECT_EQ(ExitStatus(Render("模块", "graph", "100x100"), &err), 1) << "not in Windows-1251";
    EXPECT_EQ(err, "vantiq-cli: no module named 模块\n");
    EXPECT_EQ(ExitStatus(Render(std::string(30, 'A'), "graph", "100x100")), 1)
        << "longer than a name";
    EXPECT_EQ(ExitStatus(Render("A", "pie", "100x100")), 2);
    for (const char* size :
         {"0x10", "10x", "10000x10001", "-5x5", "5x5x5", "1e308x1", "nanxnan", "99999999999x1"}) {
        EXPECT_EQ(ExitStatus(Render("A", "graph", size)), 2) << size;
    }
    EXPECT_EQ(ExitStatus({"--base", base, "render", "--module", "A", "--mode", "graph"}), 2);
}

}  // namespace
}  // namespace vantiq

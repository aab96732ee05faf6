#include "gui/printing/print_commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>

#include <cstring>
#include <vector>

#include "page_probe.h"
#include "test_support.h"

namespace vantiq {
namespace {

// Answers the dialogs from a script and records what was shown.
class ScriptedDialogs : public PrintDialogs {
public:
    bool ChoosePrinter(QPrinter& printer, const QString& suggestedFileName) override {
        ++printerDialogs;
        jobName = printer.docName();
        suggested = suggestedFileName;
        if (printTo.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
    QString ChoosePdfFile(const QString&, const QString& suggestedName) override {
        suggested = suggestedName;
        return exportTo;
    }
    void ShowError(const QString& caption, const QString& text) override {
        errors.push_back(caption + QStringLiteral(" | ") + text);
    }

    QString printTo;  // empty: the user cancels
    QString exportTo;
    int printerDialogs = 0;
    QString jobName;
    QString suggested;
    std::vector<QString> errors;
};

class PrintCommandsTest : public testing::Test {
protected:
    PrintCommands Commands() {
        return PrintCommands(dialogs_, [this]() -> std::optional<PageContent> {
            if (!selected_) {
                return std::nullopt;
            }
            PageContent content;
            std::strncpy(content.record.file.name.data(), "\xD2\xDD\xCC 127", 29);
            content.record.rated.dtMax = -68.46;
            content.record.rated.acResistance = 1.236;
            return content;
        });
    }

    QString File(const char* name) { return QString::fromStdString(dir_.File(name)); }

    test::TempDir dir_;
    ScriptedDialogs dialogs_;
    bool selected_ = true;
};

TEST_F(PrintCommandsTest, PrintsOnePageUnderTheJobName) {
    dialogs_.printTo = File("printed.pdf");
    Commands().Print(PageKind::Graphs);
    EXPECT_EQ(dialogs_.jobName, QStringLiteral("Vantiq document(performance graphs): ТЭМ 127"));
    EXPECT_EQ(dialogs_.suggested, QStringLiteral("ТЭМ 127 graphs.pdf"));
    EXPECT_TRUE(dialogs_.errors.empty());
    EXPECT_TRUE(test::PdfInfo(dialogs_.printTo).contains(QStringLiteral("Pages:           1")));
    EXPECT_TRUE(test::PdfText(dialogs_.printTo).contains(QStringLiteral("68.5")));

    dialogs_.printTo = File("datasheet.pdf");
    Commands().Print(PageKind::Datasheet);
    EXPECT_EQ(dialogs_.jobName, QStringLiteral("Vantiq document(datasheet): ТЭМ 127"));
    EXPECT_EQ(dialogs_.suggested, QStringLiteral("ТЭМ 127 datasheet.pdf"));
    EXPECT_TRUE(QFile::exists(dialogs_.printTo));
}

TEST_F(PrintCommandsTest, CancelPrintsNothingAndSaysNothing) {
    Commands().Print(PageKind::Graphs);
    Commands().ExportPdf(PageKind::Datasheet);
    EXPECT_EQ(dialogs_.printerDialogs, 1);
    EXPECT_TRUE(dialogs_.errors.empty());
    EXPECT_TRUE(QDir(QString::fromStdString(dir_.path().string())).isEmpty());
}

TEST_F(PrintCommandsTest, PageThatCannotStartIsReportedOnce) {
    dialogs_.printTo = File("no/such/dir/page.pdf");
    Commands().Print(PageKind::Graphs);
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_EQ(dialogs_.errors[0], QStringLiteral("Error! | Error during printer initialize."));
}

TEST_F(PrintCommandsTest, NothingSelectedSaysSoWithoutAskingForAPrinter) {
    selected_ = false;
    Commands().Print(PageKind::Datasheet);
    Commands().ExportPdf(PageKind::Graphs);
    EXPECT_EQ(dialogs_.printerDialogs, 0);
    EXPECT_EQ(dialogs_.errors,
              (std::vector<QString>(2, QStringLiteral("Error! | No module is selected."))));
}

TEST_F(PrintCommandsTest, ExportWritesThePdfTheUserNamed) {
    dialogs_.exportTo = File("export.pdf");
    Commands().ExportPdf(PageKind::Graphs);
    EXPECT_EQ(dialogs_.suggested, QStringLiteral("ТЭМ 127 graphs.pdf"));
    EXPECT_TRUE(test::PdfText(dialogs_.exportTo).contains(QStringLiteral("1.24")));

    dialogs_.exportTo = File("gone/export.pdf");
    Commands().ExportPdf(PageKind::Datasheet);
    ASSERT_EQ(dialogs_.errors.size(), 1u);
    EXPECT_TRUE(dialogs_.errors[0].startsWith(QStringLiteral("Error! | Cannot write the file ")));
}

}  // namespace
}  // namespace vantiq

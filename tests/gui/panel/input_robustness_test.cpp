// Hostile text in the wizard's boxes: every box reads it as atof would,
// writes it back with "%3.1f", and the list shows what the search finds.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <cstdio>
#include <set>

#include "app_fixture.h"
#include "core/selection/number_input.h"
#include "core/selection/search.h"
#include "gui/panel/module_dlg.h"
#include "list_oracle.h"

namespace vantiq::test {
namespace {

class InputRobustnessTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        WriteCatalogue((dir_.path() / "Base.tmb").string(),
                       {{WorkedExampleModule(kLongName), {}},
                        {WorkedExampleModule("\xD2\xDD\xCC-127 \x88"), {}},  // "ТЭМ-127 €"
                        {WorkedExampleModule("EX-127"), {}}});
        ASSERT_TRUE(Start());
        panel_ = Frame().Panel();
        list_ = Find<QTreeView>(panel_, "resultList");
    }

    void Type(const char* box, const QString& text) {
        TypeOver(Find<QLineEdit>(panel_, box), text);
    }
    // Searches and returns the notices shown meanwhile.
    std::size_t Search() {
        ModalWatcher watcher;
        QTest::mouseClick(Find<QPushButton>(panel_, "searchButton"), Qt::LeftButton);
        ProcessEvents();
        return watcher.Boxes().size();
    }
    // The names the core's search finds for `criteria`, as the list shows them.
    QStringList Found(const SearchCriteria& criteria) const {
        const std::vector<std::uint32_t> hits = RunSearch(Base(), Session().Thot(), criteria);
        const std::set<std::uint32_t> found(hits.begin(), hits.end());
        const TemRecord* first = Base().records.data();
        return NamesDescending(Base(), [&](const TemRecord& r) {
            return found.count(static_cast<std::uint32_t>(&r - first)) > 0;
        });
    }
    QString Text(const char* box) const { return Find<QLineEdit>(panel_, box)->text(); }

    static constexpr const char* kLongName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012";  // 29 bytes

    CModuleDlg* panel_ = nullptr;
    QTreeView* list_ = nullptr;
};

struct NumberCase {
    const char* name;
    const char* box;
    const char* typed;
    double read;  // what atof makes of it; 0 is "not set"
    double SearchCriteria::*field;
};

class NumberBoxTest : public InputRobustnessTest,
                      public ::testing::WithParamInterface<NumberCase> {};

TEST_P(NumberBoxTest, ReadsLikeAtofRewritesWithOneDecimalAndAgreesWithTheSearch) {
    const NumberCase& c = GetParam();
    Type(c.box, QString::fromLatin1(c.typed));
    const std::size_t notices = Search();

    // Rewritten with "%3.1f" when that reads back as the number searched,
    // otherwise with a text that does.
    char shown[400];
    std::snprintf(shown, sizeof shown, "%3.1f", c.read);
    EXPECT_EQ(ReadNumber(Text(c.box).toStdString()), c.read);
    if (ReadNumber(shown) == c.read) {
        EXPECT_EQ(Text(c.box), QString::fromLatin1(shown));
    }
    SearchCriteria criteria;
    criteria.*c.field = c.read;
    const QStringList expected = Found(criteria);
    EXPECT_EQ(ColumnTexts(list_, 1), expected);
    EXPECT_EQ(notices, expected.isEmpty() ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberBoxTest,
    ::testing::Values(
        NumberCase{"Letters", "qEdit", "abc", 0.0, &SearchCriteria::requiredQ},
        NumberCase{"NaN", "qEdit", "nan", 0.0, &SearchCriteria::requiredQ},
        NumberCase{"Infinity", "dtEdit", "inf", 0.0, &SearchCriteria::requiredDT},
        NumberCase{"Overflow", "dtEdit", "1e309", 0.0, &SearchCriteria::requiredDT},
        NumberCase{"Huge", "widthEdit", "1e308", 1e308, &SearchCriteria::maxWidth},
        NumberCase{"HugeRequirement", "qEdit", "1e308", 1e308, &SearchCriteria::requiredQ},
        NumberCase{"NegativeLimit", "heightEdit", "-5", -5.0, &SearchCriteria::maxHeight},
        NumberCase{"NegativeRequirement", "qEdit", "-5", -5.0, &SearchCriteria::requiredQ},
        NumberCase{"TrailingText", "lengthEdit", " 40.25mm", 40.25, &SearchCriteria::maxLength},
        NumberCase{"Tiny", "qEdit", "1e-300", 1e-300, &SearchCriteria::requiredQ}),
    [](const auto& info) { return std::string(info.param.name); });

// Keys that cannot make a number are refused where they are typed, so the
// box never holds text that would silently read as 0; every prefix of a
// number is kept, and an emptied box is the unset value.
TEST_F(InputRobustnessTest, KeysThatCannotMakeANumberAreRefusedAsTheyAreTyped) {
    const struct {
        const char* box;
        const char* typed;
        const char* kept;
    } cases[] = {
        {"qEdit", "abc", ""},
        {"dtEdit", "nan", ""},
        {"voltageEdit", "12a.5", "12.5"},
        {"lengthEdit", " 40.25mm", "40.25"},
        {"widthEdit", "1.2.3", "1.23"},
        {"heightEdit", "-5", "-5"},
        {"qEdit", "1e-3", "1e-3"},
        {"currentEdit", "6,0", "60"},
    };
    for (const auto& c : cases) {
        QLineEdit* box = Find<QLineEdit>(panel_, c.box);
        box->clear();
        TypeOver(box, QString::fromLatin1(c.typed));
        EXPECT_EQ(box->text(), QString::fromLatin1(c.kept)) << c.box << " " << c.typed;
    }
    Find<QLineEdit>(panel_, "qEdit")->clear();
    Search();
    EXPECT_EQ(Text("qEdit"), QStringLiteral("0.0")) << "empty is the unset value";
}

TEST_F(InputRobustnessTest, HugeNumbersSurviveARoundTripThroughTheirBoxes) {
    Type("widthEdit", QStringLiteral("1.7976931348623157e308"));
    Search();
    const QString once = Text("widthEdit");
    EXPECT_EQ(once.size(), 311) << "309 digits, the point and one decimal";
    Search();  // reads the 311-character text back
    EXPECT_EQ(Text("widthEdit"), once);
    EXPECT_TRUE(Find<QPlainTextEdit>(panel_, "criteriaBox")
                    ->toPlainText()
                    .contains("\"Width <= " + once + " [mm]\""));
    SearchCriteria criteria;
    criteria.maxWidth = 1.7976931348623157e308;
    EXPECT_EQ(ColumnTexts(list_, 1), Found(criteria));
}

struct NameCase {
    const char* name;
    QString typed;
    QString kept;    // what the box holds afterwards
    QString listed;  // the one module found; empty: none
};

class NameBoxTest : public InputRobustnessTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameBoxTest, HoldsAtMost29CodePageCharactersAndFindsByThem) {
    Type("nameEdit", GetParam().typed);
    EXPECT_EQ(Text("nameEdit"), GetParam().kept);
    const std::size_t notices = Search();
    const QStringList expected =
        GetParam().listed.isEmpty() ? QStringList() : QStringList{GetParam().listed};
    EXPECT_EQ(ColumnTexts(list_, 1), expected);
    EXPECT_EQ(notices, expected.isEmpty() ? 1u : 0u);
}

const QString kLong = QString::fromLatin1("ABCDEFGHIJKLMNOPQRSTUVWXYZ012");
const QString kCyrillic = QStringLiteral("ТЭМ-127 €");

INSTANTIATE_TEST_SUITE_P(
    Cases, NameBoxTest,
    ::testing::Values(NameCase{"TwentyNine", kLong, kLong, kLong},
                      NameCase{"ThirtyIsCut", kLong + "3", kLong, kLong},
                      NameCase{"CodePageLetters", QStringLiteral("ЭМ-127 €"),
                               QStringLiteral("ЭМ-127 €"), kCyrillic},
                      NameCase{"LettersTheCodePageLacksAreRefused", QStringLiteral("Т中✓Э😀М"),
                               QStringLiteral("ТЭМ"), kCyrillic},
                      NameCase{"NoSuchModule", QStringLiteral("ЖЖ"), QStringLiteral("ЖЖ"), {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantiq::test

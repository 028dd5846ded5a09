#include "workbook_fixture.h"

#include <QFocusEvent>

namespace ulvane {
namespace {

const QString Missing = QStringLiteral("Введены не все данные");
const QString ResistivityMessage = QStringLiteral("Значение задается в интервале от 10 до 10000 Ом*м");
const QString WidthMessage = QStringLiteral("Значение задается в интервале от 0.01 до 5 км");
const QString LengthMessage = QStringLiteral("Значение задается в интервале от 0.5 до 5 км");
const QString CurrentMessage = QStringLiteral("Значение задается в интервале от 1 до 10 кА");
const QString Wire70 = QStringLiteral("Вывод: используем стальной тросс сечением 70 кв.мм");
const QString Wire120 = QStringLiteral("Вывод: используем стальной тросс сечением 120 кв.мм");
const QString NotSuitable = QStringLiteral(
    "Вывод: в данных условиях кабель не пригоден к использованию , т.к. степень воздействия ЛЭП "
    "превышает допустимые нормы");

class InfluenceTabTest : public WorkbookTest
{
protected:
    void SetUp() override
    {
        WorkbookTest::SetUp();
        showTab(0);
    }

    // Types the four conditions as digits, the mask placing the point.
    void enterConditions(const QString &resistivity, const QString &width, const QString &length,
                         const QString &current)
    {
        typeInto("Mask1", resistivity);
        typeInto("Mask2", width);
        typeInto("Mask3", length);
        typeInto("Mask4", current);
    }

    void calculate(const char *cable, const QString &resistivity, const QString &width,
                   const QString &length, const QString &current)
    {
        click(cable);
        click("Label52");
        enterConditions(resistivity, width, length, current);
        click("Label54");
    }
};

TEST_F(InfluenceTabTest, StartsOnTheCablePageWithBackGreyedAndNoCalculateLink)
{
    EXPECT_TRUE(visible("Frame1"));
    EXPECT_FALSE(visible("Frame2"));
    EXPECT_EQ(shown("Label1"), "1. Выберите тип кабеля");
    EXPECT_TRUE(visible("Label52"));
    EXPECT_FALSE(visible("Label54"));
    EXPECT_TRUE(visible("Label53"));
    EXPECT_FALSE(enabled("Label53"));
    click("Label53");
    EXPECT_TRUE(visible("Frame1"));
    EXPECT_EQ(shown("Label1"), "1. Выберите тип кабеля");
}

TEST_F(InfluenceTabTest, ForwardShowsTheEmptyDataPage)
{
    click("Label52");
    EXPECT_EQ(shown("Label1"), "2. Введите свои данные");
    EXPECT_FALSE(visible("Frame1"));
    EXPECT_TRUE(visible("Frame2"));
    EXPECT_FALSE(visible("Label52"));
    EXPECT_TRUE(visible("Label54"));
    EXPECT_EQ(shown("Label54"), "Расчет >>");
    EXPECT_TRUE(enabled("Label53"));
    EXPECT_FALSE(visible("Frame3"));
    EXPECT_FALSE(visible("Frame4"));
    EXPECT_EQ(shown("Mask1"), "*****");
    EXPECT_EQ(shown("Mask2"), "*.**");
    EXPECT_EQ(shown("Mask3"), "*.***");
    EXPECT_EQ(shown("Mask4"), "*.**");
}

struct RangeCheckCase {
    const char *name;
    const char *box;
    const char *typed;
    QString message; // empty: the value passes
    const char *boxAfterwards;
};

TEST_F(InfluenceTabTest, LeavingABoxChecksItsRange)
{
    const RangeCheckCase cases[] = {
        {"resistivity_empty", "Mask1", "", ResistivityMessage, "10000"},
        {"resistivity_9_resets_to_upper_bound", "Mask1", "9", ResistivityMessage, "10000"},
        {"resistivity_10", "Mask1", "10", {}, "10***"},
        {"resistivity_10000", "Mask1", "10000", {}, "10000"},
        {"resistivity_10001", "Mask1", "10001", ResistivityMessage, "10000"},
        {"width_empty", "Mask2", "", WidthMessage, "0.01"},
        {"width_5.01", "Mask2", "501", WidthMessage, "0.01"},
        {"width_0.01", "Mask2", "001", {}, "0.01"},
        {"width_5.00", "Mask2", "500", {}, "5.00"},
        {"length_empty", "Mask3", "", LengthMessage, "0.500"},
        {"length_0.499", "Mask3", "0499", LengthMessage, "0.500"},
        {"length_5.001", "Mask3", "5001", LengthMessage, "0.500"},
        {"length_0.5", "Mask3", "05", {}, "0.5**"},
        {"length_5", "Mask3", "5", {}, "5.***"},
        {"current_empty", "Mask4", "", CurrentMessage, "1.00"},
        {"current_0.99", "Mask4", "099", CurrentMessage, "1.00"},
        {"current_9.99", "Mask4", "999", {}, "9.99"},
    };
    click("Label52");
    for (const RangeCheckCase &c : cases) {
        // Every other box holds a valid value, so only c.box can complain.
        setText("Mask1", "100");
        setText("Mask2", "1.00");
        setText("Mask3", "1.000");
        setText("Mask4", "1.00");
        setText(c.box, {});
        typeInto(c.box, QString::fromUtf8(c.typed));
        ASSERT_TRUE(messages.takeMessages().isEmpty()) << c.name;
        pressTab();
        const QStringList expected = c.message.isEmpty() ? QStringList{} : QStringList{c.message};
        EXPECT_EQ(messages.takeMessages(), expected) << c.name;
        EXPECT_EQ(shown(c.box), c.boxAfterwards) << c.name;
    }
}

TEST_F(InfluenceTabTest, DigitsAfterAnUnfilledPositionReadAsNothing)
{
    click("Label52");
    student::clickInto(&window, "Mask1");
    auto *box = student::find<MaskedBox>(&window, "Mask1");
    box->setCursorPosition(2);
    QTest::keyClicks(box, "12");
    EXPECT_EQ(shown("Mask1"), "**12*");
    pressTab();
    EXPECT_EQ(messages.takeMessages(), QStringList{ResistivityMessage});
    EXPECT_EQ(shown("Mask1"), "10000");
}

TEST_F(InfluenceTabTest, TheCheckFollowsTheFocusNotTheWindow)
{
    click("Label52");
    typeInto("Mask2", "9");
    auto *box = student::find<MaskedBox>(&window, "Mask2");
    QFocusEvent windowDeactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box, &windowDeactivated);
    EXPECT_TRUE(messages.messages.isEmpty());
    setText("Mask2", "1.00");

    // The links take no focus, so a calculation with the cursor still in a box skips
    // its check and computes the value as typed.
    typeInto("Mask1", "100");
    typeInto("Mask3", "1");
    typeInto("Mask4", "1");
    typeInto("Mask2", "999");
    click("Label54");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(visible("Frame3"));
}

TEST_F(InfluenceTabTest, TabMovesThroughTheFourBoxesOnly)
{
    click("Label52");
    typeInto("Mask1", "100");
    const char *order[] = {"Mask2", "Mask3", "Mask4"};
    for (const char *next : order) {
        pressTab();
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
        QTest::keyClicks(QApplication::focusWidget(), "1");
    }
}

struct ExampleCase {
    const char *name;
    const char *cable;
    const char *resistivity;
    const char *width;
    const char *length;
    const char *current;
    bool normMet;
    // Box texts with a comma as separator; "." would show in its place.
    const char *text4;
    const char *text5;
    const char *text6;
    const char *text7;
    const char *text8;
    QString conclusion;
};

TEST_F(InfluenceTabTest, ShowsTheExamplesAsTheBoxesCutThem)
{
    const ExampleCase cases[] = {
        {"norm_met", "Option1", "100", "100", "1", "1", true, "1733", "3800", "", "", "", {}},
        {"wire_70", "Option1", "100", "050", "1", "1", false, "", "", "3865,", "3285,",
         "3479,05570823419", Wire70},
        {"wire_120", "Option1", "100", "043", "1", "1", false, "", "", "4427,", "3763,",
         "3985,14318869756", Wire120},
        {"not_suitable", "Option1", "100", "010", "1", "1", false, "", "", "10546", "8964,",
         "9491,56487936506", NotSuitable},
        {"smallest_admitted", "Option6", "10", "5", "05", "1", true, "0,82", "3500", "", "", "", {}},
        {"largest_admitted_whole_parts_in_full", "Option2", "10000", "001", "5", "999", false, "",
         "", "1603453", "1362935", "1443107,6617672", NotSuitable},
    };
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia)}) {
        QLocale::setDefault(locale);
        const QString separator = locale.decimalPoint();
        for (const ExampleCase &c : cases) {
            click("Label53");
            setText("Mask1", {});
            setText("Mask2", {});
            setText("Mask3", {});
            setText("Mask4", {});
            calculate(c.cable, c.resistivity, c.width, c.length, c.current);
            const QString context = QString::fromUtf8(c.name) + u' ' + separator;
            EXPECT_TRUE(messages.takeMessages().isEmpty()) << context.toStdString();
            EXPECT_EQ(visible("Frame3"), c.normMet) << context.toStdString();
            EXPECT_EQ(visible("Frame4"), !c.normMet) << context.toStdString();
            auto expected = [&](const char *text) { return QString::fromUtf8(text).replace(u',', separator); };
            if (c.normMet) {
                EXPECT_EQ(shown("Text4"), expected(c.text4)) << context.toStdString();
                EXPECT_EQ(shown("Text5"), expected(c.text5)) << context.toStdString();
            } else {
                EXPECT_EQ(shown("Text6"), expected(c.text6)) << context.toStdString();
                EXPECT_EQ(shown("Text7"), expected(c.text7)) << context.toStdString();
                EXPECT_EQ(shown("Text8"), expected(c.text8)) << context.toStdString();
                EXPECT_EQ(shown("Label74"), c.conclusion) << context.toStdString();
            }
        }
    }
}

TEST_F(InfluenceTabTest, MissingConditionRefusesTheCalculationAndKeepsTheOldResult)
{
    calculate("Option1", "100", "050", "1", "1");
    ASSERT_TRUE(visible("Frame4"));
    setText("Mask3", {});
    click("Label54");
    EXPECT_EQ(messages.takeMessages(), QStringList{Missing});
    EXPECT_TRUE(visible("Frame4"));
    EXPECT_EQ(shown("Text6"), "3865.");
}

TEST_F(InfluenceTabTest, BoxNeverFocusedIsCaughtOnlyAtCalculation)
{
    click("Label52");
    typeInto("Mask1", "100");
    typeInto("Mask2", "050");
    typeInto("Mask3", "1");
    click("Label54");
    EXPECT_EQ(messages.takeMessages(), QStringList{Missing});
    EXPECT_FALSE(visible("Frame3"));
    EXPECT_FALSE(visible("Frame4"));
    EXPECT_EQ(shown("Label52"), "Расчет >>");
}

TEST_F(InfluenceTabTest, ResultStaysUntilTheNextCalculationWhateverTheCable)
{
    calculate("Option1", "100", "050", "1", "1");
    click("Label53");
    EXPECT_EQ(shown("Label1"), "1.Выберите тип кабеля");
    EXPECT_EQ(shown("Label52"), "Расчет >>");
    click("Option16");
    click("Label52");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(shown("Label1"), "2. Введите свои данные");
    EXPECT_TRUE(visible("Frame4"));
    EXPECT_EQ(shown("Text6"), "3865.");
    EXPECT_EQ(shown("Mask2"), "0.50");

    // Cable 16: Sоб 0.53 brings E below its Uдоп of 3400.
    click("Label54");
    EXPECT_TRUE(visible("Frame3"));
    EXPECT_EQ(shown("Text4"), "2926");
    EXPECT_EQ(shown("Text5"), "3400");
}

TEST_F(InfluenceTabTest, NormMetLeavesTheHiddenProtectionPageAsItWas)
{
    calculate("Option1", "100", "010", "1", "1");
    setText("Mask2", "1.00");
    click("Label54");
    EXPECT_TRUE(visible("Frame3"));
    EXPECT_FALSE(visible("Frame4"));
    EXPECT_EQ(shown("Text6"), "10546");
    EXPECT_EQ(shown("Text8"), "9491.56487936506");
    EXPECT_EQ(shown("Label74"), NotSuitable);
}

TEST_F(InfluenceTabTest, CalculatingTwiceShowsTheSameResult)
{
    calculate("Option1", "100", "043", "1", "1");
    const QString first = shown("Text8");
    click("Label54");
    EXPECT_EQ(shown("Text8"), first);
    EXPECT_EQ(shown("Label74"), Wire120);
}

TEST_F(InfluenceTabTest, ClosingTheWindowRunsNoRangeCheck)
{
    click("Label52");
    typeInto("Mask2", "9");
    window.close();
    EXPECT_TRUE(messages.messages.isEmpty());
}

} // namespace
} // namespace ulvane

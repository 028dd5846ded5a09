#include "workbook_fixture.h"

#include <QCheckBox>

namespace ulvane {
namespace {

class LightningTabTest : public WorkbookTest
{
protected:
    // Types the five always-visible inputs as digits, the mask placing the point.
    void enterInputs(const QString &voltage, const QString &radius, const QString &resistance,
                     const QString &resistivity, const QString &hours)
    {
        typeInto("MaskEdBox3", voltage);
        typeInto("MaskEdBox2", radius);
        typeInto("MaskEdBox1", resistance);
        typeInto("MaskEdBox4", resistivity);
        typeInto("MaskEdBox5", hours);
    }

    QStringList results() { return {shown("Text9"), shown("Text13"), shown("Text14")}; }
};

TEST_F(LightningTabTest, ForwardAndBackSwapThePagesAndKeepEverything)
{
    EXPECT_TRUE(visible("Label126"));
    EXPECT_FALSE(enabled("Label141"));
    click("Label141");
    EXPECT_TRUE(visible("Frame5"));

    click("Label79");
    EXPECT_FALSE(visible("Label126"));
    EXPECT_FALSE(visible("Frame5"));
    EXPECT_TRUE(visible("Frame6"));
    EXPECT_TRUE(enabled("Label141"));
    EXPECT_EQ(shown("Label79"), "Расчет >>");
    EXPECT_FALSE(visible("Label77"));
    EXPECT_FALSE(visible("MaskEdBox6"));
    EXPECT_TRUE(results() == QStringList({"", "", ""}));

    enterInputs("3000", "10", "150", "500", "36");
    click("Check1");
    click("Label79");
    const QStringList calculated = results();

    click("Label141");
    EXPECT_TRUE(visible("Label126"));
    EXPECT_TRUE(visible("Frame5"));
    EXPECT_FALSE(enabled("Label141"));
    EXPECT_EQ(shown("Label79"), "Вперед >>");
    click("Option17");
    click("Label79");
    EXPECT_FALSE(visible("Label126"));
    EXPECT_EQ(shown("MaskEdBox1"), "1.50");
    EXPECT_TRUE(student::find<QCheckBox>(&window, "Check1")->isChecked());
    EXPECT_TRUE(visible("MaskEdBox7"));
    EXPECT_EQ(results(), calculated);
    EXPECT_TRUE(messages.messages.isEmpty());
}

struct ExampleCase {
    const char *name;
    const char *voltage;
    const char *radius;
    const char *resistance;
    const char *resistivity;
    const char *hours;
    // N₀, N₁, N₂ as shown with a comma: the worked examples' digits in full.
    const char *unprotected;
    const char *oneWire;
    const char *twoWires;
};

TEST_F(LightningTabTest, ShowsTheWorkedExamplesWithTheUsersSeparator)
{
    const ExampleCase cases[] = {
        {"band_7", "3000", "10", "150", "500", "36", "0,316545454545455", "0,0994934372316533",
         "0,0925288966254375"},
        {"band_4", "3800", "14", "210", "2000", "40", "0,875046874477859", "0,463465082496935",
         "0,431022526722149"},
        {"defaults_for_voltage_and_hours", "", "10", "150", "500", "", "0,316545454545455",
         "0,0994934372316533", "0,0925288966254375"},
        {"negative_band_11_formula", "3000", "10", "025", "31", "36", "0", "0", "0"},
    };
    click("Label79");
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia)}) {
        QLocale::setDefault(locale);
        const QString separator = locale.decimalPoint();
        for (const ExampleCase &c : cases) {
            for (const char *box : {"MaskEdBox3", "MaskEdBox2", "MaskEdBox1", "MaskEdBox4", "MaskEdBox5"})
                setText(box, {});
            enterInputs(c.voltage, c.radius, c.resistance, c.resistivity, c.hours);
            click("Label79");
            QStringList expected;
            for (const char *text : {c.unprotected, c.oneWire, c.twoWires})
                expected.append(QString::fromUtf8(text).replace(u',', separator));
            EXPECT_EQ(results(), expected) << c.name;
        }
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(LightningTabTest, EmptyRadiusIsReportedAndNothingIsCalculated)
{
    click("Label79");
    enterInputs("3000", "10", "150", "500", "36");
    click("Label79");
    const QStringList calculated = results();
    for (const char *radius : {"", "00"}) {
        setText("MaskEdBox2", QString::fromLatin1(radius));
        click("Label79");
        EXPECT_EQ(messages.takeMessages(), QStringList{"Не задан радиус кабеля"}) << radius;
        EXPECT_EQ(results(), calculated) << radius;
    }
}

TEST_F(LightningTabTest, HoseReplacesTheSoilByGroundingResistanceTimesSpacing)
{
    click("Label79");
    enterInputs("3000", "10", "150", "20", "36");
    click("Label79");
    const QStringList soilOf20 = results();

    setText("MaskEdBox4", "9999");
    click("Check1");
    EXPECT_TRUE(window.findChild<LightningTab *>()->CableInHose());
    for (const char *row : {"Label77", "Label78", "MaskEdBox6", "MaskEdBox7"})
        EXPECT_TRUE(visible(row)) << row;
    typeInto("MaskEdBox6", "10");
    typeInto("MaskEdBox7", "200");
    EXPECT_EQ(results(), soilOf20) << "results wait for the next calculation";
    click("Label79");
    EXPECT_EQ(results(), soilOf20);

    click("Check1");
    EXPECT_FALSE(window.findChild<LightningTab *>()->CableInHose());
    for (const char *row : {"Label77", "Label78", "MaskEdBox6", "MaskEdBox7"})
        EXPECT_FALSE(visible(row)) << row;
    click("Label79");
    EXPECT_NE(results(), soilOf20);

    click("Check1");
    EXPECT_EQ(shown("MaskEdBox6"), "10");
    EXPECT_EQ(shown("MaskEdBox7"), "2.00");
}

TEST_F(LightningTabTest, TabMovesThroughTheInputsInRowOrderThenTheHoseOption)
{
    click("Label79");
    click("Check1");
    typeInto("MaskEdBox3", "3000");
    const char *order[] = {"MaskEdBox2", "MaskEdBox1", "MaskEdBox4", "MaskEdBox5",
                           "MaskEdBox6", "MaskEdBox7", "Check1"};
    for (const char *next : order) {
        pressTab();
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
}

} // namespace
} // namespace ulvane

#include "workbook_fixture.h"

#include <QRadioButton>
#include <QTabBar>

namespace ulvane {
namespace {

using WorkbookWindowTest = WorkbookTest;

TEST_F(WorkbookWindowTest, OpensOnTheLightningTabWithFirstCablesChosen)
{
    EXPECT_EQ(window.windowTitle(), "Ulvane");
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_EQ(tabs()->tabBar()->tabText(0),
              "Исследование опасного влияния ЛЭП на электрический кабель связи");
    EXPECT_EQ(tabs()->tabBar()->tabText(1), "Исследование грозостойкости электрического кабеля связи");
    EXPECT_EQ(tabs()->tabBar()->tabRect(0).width(), tabs()->tabBar()->tabRect(1).width());
    EXPECT_TRUE(student::find<QRadioButton>(&window, "Option1")->isChecked());
    EXPECT_TRUE(student::find<QRadioButton>(&window, "Option32")->isChecked());
    EXPECT_EQ(shown("Option32"), "МКСБ 1х4");
    EXPECT_EQ(shown("Option17"), "МКТПСБ -- 4");
}

TEST_F(WorkbookWindowTest, OnlyTheTabInFrontIsVisible)
{
    EXPECT_TRUE(visible("Frame5"));
    EXPECT_FALSE(visible("Frame1"));
    showTab(0);
    EXPECT_TRUE(visible("Frame1"));
    EXPECT_FALSE(visible("Frame5"));
}

TEST_F(WorkbookWindowTest, CatalogueCellsShowThePrintedTexts)
{
    struct Cell {
        const char *name;
        const char *text;
    };
    const Cell cells[] = {
        {"Label3", "5,23"},  {"Label18", "1,38"},  {"Label19", "3800"}, {"Label34", "3400"},
        {"Label35", "0,7"},  {"Label40", "0,11"},  {"Label42", "0,15"}, {"Label47", "0,6"},
        {"Label48", "0,3"},  {"Label51", "0,53"},  {"Label124", "5,23"}, {"Label109", "1,38"},
        {"Label108", "3800"}, {"Label93", "3400"}, {"Label87", "23,7"}, {"Label89", "40"},
        {"Label136", "11"},  {"Label139", "24"},  {"Label140", "26,8"},
    };
    for (const Cell &cell : cells)
        EXPECT_EQ(shown(cell.name), QString::fromUtf8(cell.text)) << cell.name;
    EXPECT_EQ(shown("Text1"), "Сопротивление металлических \nпокровов, R, Ом/км\n");
    EXPECT_EQ(shown("Text15"), "Внешний диаметр кабеля по\nметаллическим покровам, мм\n");
}

TEST_F(WorkbookWindowTest, EachTabKeepsItsOwnCableChoice)
{
    click("Option20");
    showTab(0);
    click("Option7");
    EXPECT_TRUE(student::find<QRadioButton>(&window, "Option7")->isChecked());
    EXPECT_FALSE(student::find<QRadioButton>(&window, "Option1")->isChecked());
    showTab(1);
    EXPECT_TRUE(student::find<QRadioButton>(&window, "Option20")->isChecked());
    EXPECT_FALSE(student::find<QRadioButton>(&window, "Option32")->isChecked());
}

TEST_F(WorkbookWindowTest, SwitchingTabsKeepsPagesInputsAndResults)
{
    click("Label79");
    typeInto("MaskEdBox2", "10");
    typeInto("MaskEdBox1", "150");
    typeInto("MaskEdBox4", "500");
    click("Label79");
    const QString result = shown("Text9");
    showTab(0);
    click("Label52");
    typeInto("Mask1", "100");
    showTab(1);
    showTab(0);
    EXPECT_TRUE(visible("Frame2"));
    EXPECT_EQ(shown("Mask1"), "100**");
    showTab(1);
    EXPECT_TRUE(visible("Frame6"));
    EXPECT_EQ(shown("Label79"), "Расчет >>");
    EXPECT_EQ(shown("MaskEdBox1"), "1.50");
    EXPECT_EQ(shown("Text9"), result);
}

} // namespace
} // namespace ulvane

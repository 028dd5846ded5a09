#include "support/student.h"

#include "widgets/twips.h"

namespace ulvane {
namespace {

using WorkbookWindowTest = StudentTest;

TEST_F(WorkbookWindowTest, OpensOnTheLightningTabWithTheFirstCableChosenOnBoth)
{
    openWorkbook(1);
    EXPECT_EQ(seen("Frame1 Frame5 Option32 Option17"), "Frame5 Option32 ✓ Option17");
    EXPECT_EQ(shown("Option32") + " / " + shown("Option17"), "МКСБ 1х4 / МКТПСБ -- 4");
    act("click Option20; tab 0");
    EXPECT_EQ(seen("Frame1 Frame5 Option1 Option7"), "Frame1 Option1 ✓ Option7");
    act("click Option7; tab 1");
    EXPECT_EQ(seen("Option32 Option20"), "Option32 Option20 ✓");
    act("tab 0");
    EXPECT_EQ(seen("Option1 Option7"), "Option1 Option7 ✓");
}

// The catalogue columns read as the table prints them; the fourth column's cells
// start at their Left like the layout places them.
TEST_F(WorkbookWindowTest, CatalogueCellsShowThePrintedTexts)
{
    openWorkbook(0);
    const struct { const char *name; const char *text; int left; } cells[] = {
        {"Label3", "5,23", 0},    {"Label18", "1,38", 0},     {"Label19", "3800", 0},
        {"Label34", "3400", 0},   {"Label35", "0,7", 9720},   {"Label40", "0,11", 9720},
        {"Label42", "0,15", 9720}, {"Label51", "0,53", 9720}, {"Label124", "5,23", 0},
        {"Label109", "1,38", 0},  {"Label108", "3800", 0},    {"Label93", "3400", 0},
        {"Label87", "23,7", 9480}, {"Label92", "21,2", 9480}, {"Label131", "21,6", 9480},
        {"Label140", "26,8", 9480},
    };
    for (const auto &cell : cells) {
        auto *label = find<QLabel>(cell.name);
        EXPECT_EQ(label->text(), QString::fromUtf8(cell.text)) << cell.name;
        if (cell.left) {
            EXPECT_EQ(label->x(), twips(cell.left)) << cell.name;
            EXPECT_TRUE(label->alignment() & Qt::AlignLeft) << cell.name;
        }
    }
    EXPECT_EQ(shown("Text1"), "Сопротивление металлических \nпокровов, R, Ом/км\n");
    EXPECT_EQ(shown("Text15"), "Внешний диаметр кабеля по\nметаллическим покровам, мм\n");
}

TEST_F(WorkbookWindowTest, ScreenReadersFindLinksAndNamedBoxes)
{
    openWorkbook(0);
    const struct { const char *name; QAccessible::Role role; const char *accessibleName; } controls[] = {
        {"Label52", QAccessible::Link, "Вперед >>"},
        {"Mask1", QAccessible::EditableText, "1. Введите значение удельного сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)"},
        {"Text7", QAccessible::EditableText, "При использовании 1- го троса значение наведенной ЭДС составляет Е="},
        {"MaskEdBox2", QAccessible::EditableText, "2. Радиус кабеля по внешней поверхности металлических покровов, мм"},
        {"Text9", QAccessible::EditableText, "Ожидается N="},
        {"Check1", QAccessible::CheckBox, "Кабель в шланге"},
    };
    for (const auto &control : controls) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(find(control.name));
        EXPECT_EQ(accessible->role(), control.role) << control.name;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(control.accessibleName)) << control.name;
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(find("Label53"))->state().disabled);

    // Alt+arrows press the links without taking the focus from the box.
    act("key Alt+Right; type Mask2 9; key Alt+Right");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Mask2");
    EXPECT_EQ(messages.take(), "Введены не все данные");
}

// Tab moves through the inputs in the order of their rows, then the hose option.
TEST_F(WorkbookWindowTest, TabMovesThroughTheInputsInRowOrder)
{
    const struct { int tab; const char *actions; const char *order; } cases[] = {
        {0, "click Label52; click Mask1", "Mask1 Mask2 Mask3 Mask4"},
        {1, "click Label79; click Check1; click MaskEdBox3",
         "MaskEdBox3 MaskEdBox2 MaskEdBox1 MaskEdBox4 MaskEdBox5 MaskEdBox6 MaskEdBox7 Check1"},
    };
    for (const auto &c : cases) {
        restart();
        openWorkbook(c.tab);
        act(c.actions);
        QStringList order;
        for (qsizetype i = QString(c.order).count(u' '); i >= 0; --i) {
            order.append(QApplication::focusWidget()->objectName());
            act("key Tab");
        }
        EXPECT_EQ(order.join(u' '), c.order);
    }
}

} // namespace
} // namespace ulvane

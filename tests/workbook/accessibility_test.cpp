#include "workbook_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

namespace ulvane {
namespace {

class AccessibilityTest : public WorkbookTest
{
protected:
    QAccessibleInterface *accessible(const char *name)
    {
        return QAccessible::queryAccessibleInterface(student::find(&window, name));
    }

    void altArrow(Qt::Key arrow) { student::pressKey(&window, arrow, Qt::AltModifier); }
};

TEST_F(AccessibilityTest, LinksAreLinksThatCanBePressed)
{
    showTab(0);
    QAccessibleInterface *forward = accessible("Label52");
    ASSERT_NE(forward, nullptr);
    EXPECT_EQ(forward->role(), QAccessible::Link);
    EXPECT_EQ(forward->text(QAccessible::Name), "Вперед >>");
    ASSERT_NE(forward->actionInterface(), nullptr);
    EXPECT_TRUE(forward->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    QAccessibleInterface *back = accessible("Label53");
    EXPECT_TRUE(back->state().disabled);
    back->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(visible("Frame1")) << "a disabled link does nothing";

    forward->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(visible("Frame2"));
    EXPECT_FALSE(accessible("Label53")->state().disabled);
}

TEST_F(AccessibilityTest, InputsAndResultsAreAnnouncedWithTheirWords)
{
    EXPECT_EQ(accessible("MaskEdBox2")->text(QAccessible::Name),
              "2. Радиус кабеля по внешней поверхности металлических покровов, мм");
    EXPECT_EQ(accessible("Mask1")->text(QAccessible::Name),
              "1. Введите значение удельного сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)");
    QAccessibleInterface *damages = accessible("Text9");
    EXPECT_EQ(damages->text(QAccessible::Name), "Ожидается N=");
    EXPECT_EQ(damages->text(QAccessible::Description), "повреждений линий связи на 100 км. трассы в год");
    EXPECT_EQ(accessible("Text7")->text(QAccessible::Name),
              "При использовании 1- го троса значение наведенной ЭДС составляет Е=");
    EXPECT_EQ(accessible("Check1")->text(QAccessible::Name), "Кабель в шланге");
}

TEST_F(AccessibilityTest, AltArrowsPressTheLinksOfTheTabInFrontWithoutMovingFocus)
{
    showTab(0);
    altArrow(Qt::Key_Right);
    EXPECT_TRUE(visible("Frame2"));
    typeInto("Mask2", "9");
    QWidget *focused = QApplication::focusWidget();

    // The cursor stays in Mask2, so its range check does not run.
    altArrow(Qt::Key_Right);
    EXPECT_EQ(messages.takeMessages(), QStringList{"Введены не все данные"});
    EXPECT_EQ(QApplication::focusWidget(), focused);
    EXPECT_EQ(shown("Mask2"), "9.**");

    altArrow(Qt::Key_Left);
    EXPECT_TRUE(visible("Frame1"));
    altArrow(Qt::Key_Left);
    EXPECT_TRUE(visible("Frame1")) << "back is disabled on the cable page";

    showTab(1);
    altArrow(Qt::Key_Right);
    EXPECT_TRUE(visible("Frame6"));
    altArrow(Qt::Key_Left);
    EXPECT_TRUE(visible("Frame5"));
    EXPECT_EQ(student::find(&window, "Label79")->toolTip(), "Alt+→");
}

} // namespace
} // namespace ulvane

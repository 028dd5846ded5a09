#include "support/student.h"

#include <QApplication>

namespace ulvane {
namespace {

const QString Tab0 = QStringLiteral("Frame1 Frame2 Frame3 Frame4 Label1 Label53 Label52 Label54");
const QString Missing = QStringLiteral("Введены не все данные");
const QString NotSuitable = QStringLiteral("Вывод: в данных условиях кабель не пригоден к использованию , т.к. "
                                           "степень воздействия ЛЭП превышает допустимые нормы");

using InfluenceTabTest = StudentTest;

// One walk through the pages, each row acting on where the last one left off, with a
// decimal comma. Each result shown reaches the platform once, with its tab's place,
// the cable, the inputs as typed and the texts as the boxes show them; a refusal
// tells nothing.
TEST_F(InfluenceTabTest, PageFlow)
{
    const QString choice = "Frame1 Label1 «1. Выберите тип кабеля» Label53 off «<< Назад» Label52 «Вперед >>»";
    const QString back = "Frame1 Label1 «1.Выберите тип кабеля» Label53 off «<< Назад» Label52 «Вперед >>»";
    const QString returned = "Frame1 Label1 «1.Выберите тип кабеля» Label53 off «<< Назад» Label52 «Расчет >>»";
    const QString data = "Label1 «2. Введите свои данные» Label53 «<< Назад» Label54 «Расчет >>»";
    const QString told = "result 0 of 2: influence %1; ρ=100**; a=%2; L=%3; Iкз=%4 → %5";
    const QString wire = "Вывод: используем стальной тросс сечением %1 кв.мм";
    const Step steps[] = {
        {"start", "", choice, "in by code"},
        {"back_disabled", "click Label53; key Alt+Left; press Label53", choice, ""},
        {"forward_double_click", "dclick Label52", "Frame2 " + data, ""},
        {"back", "click Label53", back, ""},
        {"forward_by_keyboard", "key Alt+Right", "Frame2 " + data, ""},
        {"back_by_screen_reader", "press Label53", back, ""},
        {"forward_by_screen_reader", "press Label52", "Frame2 " + data, ""},
        {"calculate_empty", "click Label54", "Frame2 " + data, Missing},
        {"release_without_press", "release Label53", "Frame2 " + data, ""},
        {"back_after_calculating", "click Label53", returned, ""},
        {"forward_captioned_calculate_only_moves", "click Label52", "Frame2 " + data, ""},
        {"calculate_by_keyboard_from_a_box", "type Mask1 100; type Mask2 050; type Mask3 1; key Alt+Right",
         "Frame2 " + data, Missing},
        {"calculate_double_click", "type Mask4 1; dclick Label54", "Frame2 Frame4 " + data,
         told.arg("МКСБ 1х4", "0.50", "1.***", "1.**",
                  "E=3865,; E с тросом 120=3285,; E с тросом 70=3479,05570823419; " + wire.arg(70))},
        {"protection_by_the_120_wire", "set Mask2 0.43; click Label54", "Frame2 Frame4 " + data,
         told.arg("МКСБ 1х4", "0.43", "1.***", "1.**",
                  "E=4427,; E с тросом 120=3763,; E с тросом 70=3985,14318869756; " + wire.arg(120))},
        {"missing_keeps_the_old_result", "set Mask2 0.50; set Mask3; click Label54", "Frame2 Frame4 " + data, Missing},
        {"result_stays_after_return", "set Mask3 1.000; click Label53; click Option16", returned, ""},
        {"result_stays_until_calculation", "click Label52", "Frame2 Frame4 " + data, ""},
        {"new_cable_at_next_calculation", "click Label54", "Frame2 Frame3 " + data,
         told.arg("МКТПСБ -- 4", "0.50", "1.000", "1.**", "E=2926; Uдоп=3400")},
        {"tab_switch_keeps_page_and_cable", "tab 1; click Option20; tab 0", "Frame2 Frame3 " + data, ""},
        {"protection_by_keyboard_after_the_norm", "set Mask4 9.99; key Alt+Right; type Text8 9",
         "Frame2 Frame4 " + data,
         told.arg("МКТПСБ -- 4", "0.50", "1.000", "9.99",
                  "E=29238; E с тросом 120=24853; E с тросом 70=26315,0803691251; " + NotSuitable)},
    };
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    openWorkbook(0);
    walk(Tab0, steps);

    // The boxes show what was told, cut to their widths, and take no typing.
    EXPECT_EQ(QStringList({shown("Text4"), shown("Text5"), shown("Text6"), shown("Text7"), shown("Text8"),
                           shown("Label74")}).join(u' '),
              "2926 3400 29238 24853 26315,0803691251 " + NotSuitable);
}

// Boxes are typed from their first position, the mask skipping its point.
TEST_F(InfluenceTabTest, LeavingABoxChecksItsRange)
{
    const char *const rangeOf[] = {"10 до 10000 Ом*м", "0.01 до 5 км", "0.5 до 5 км", "1 до 10 кА"};
    const struct { int box; const char *typed; bool passes; const char *afterwards; } cases[] = {
        {1, "", false, "10000"},   {1, "9", false, "10000"},     {1, "10", true, "10***"},
        {1, "10000", true, "10000"}, {1, "10001", false, "10000"}, {1, "a1-,2", true, "12***"},
        {2, "", false, "0.01"},    {2, "501", false, "0.01"},    {2, "001", true, "0.01"},
        {2, "500", true, "5.00"},  {2, "5", true, "5.**"},       {3, "", false, "0.500"},
        {3, "0499", false, "0.500"}, {3, "5001", false, "0.500"}, {3, "0.5", true, "0.5**"},
        {3, "5", true, "5.***"},   {4, "", false, "1.00"},       {4, "099", false, "1.00"},
        {4, "1", true, "1.**"},    {4, "9999", true, "9.99"},
    };
    openWorkbook(0);
    act("click Label52");
    for (const auto &c : cases) {
        const QString box = QStringLiteral("Mask%1").arg(c.box);
        act(QStringLiteral("set %1; type %1 %2").arg(box, c.typed));
        ASSERT_EQ(messages.take(), "") << box << " " << c.typed;
        act(c.box == 1 ? "click Mask2" : "key Tab");
        const QString message = "Значение задается в интервале от " + QString::fromUtf8(rangeOf[c.box - 1]);
        EXPECT_EQ(messages.take(), c.passes ? "" : message) << box << " " << c.typed;
        EXPECT_EQ(shown(box), c.afterwards) << box << " " << c.typed;
        act("set Mask1 100; set Mask2 1.00; set Mask3 1.000; set Mask4 1.00");
    }

    // A link takes no focus, so pressing it or closing the window leaves the box
    // unchecked.
    act("type Mask2 999; click Label54");
    EXPECT_EQ(messages.take() + seen("Frame3 Frame4"), "Frame3");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Mask2");
    window()->close();
    EXPECT_EQ(messages.take(), "");
}

} // namespace
} // namespace ulvane

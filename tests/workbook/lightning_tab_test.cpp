#include "support/student.h"

namespace ulvane {
namespace {

const QString Tab1 = QStringLiteral("Frame5 Frame6 Label126 MaskEdBox6 MaskEdBox7 Label141 Label79");

using LightningTabTest = StudentTest;

// One walk through the pages, each row acting on where the last one left off, with a
// decimal point; the rows 6 and 7 of a cable in a hose count only while it is.
TEST_F(LightningTabTest, PageFlow)
{
    const QString choice = "Frame5 Label126 «1. Выберите тип кабеля» Label141 off «<< Назад» Label79 «Вперед >>»";
    const QString data = "Frame6 Label141 «<< Назад» Label79 «Расчет >>»";
    const QString hose = "Frame6 MaskEdBox6 «**» MaskEdBox7 «*.**» Label141 «<< Назад» Label79 «Расчет >>»";
    const QString typedHose = "Frame6 MaskEdBox6 «40» MaskEdBox7 «2.50» Label141 «<< Назад» Label79 «Расчет >>»";
    const QString told = "result 1 of 2: lightning МКСК 7х4; в шланге=%1; U=3500; r=12; R=0.36; ρ=500*; T=36*%2 → %3";
    const Step steps[] = {
        {"start", "", choice, "in by code"},
        {"back_disabled", "click Label141; key Alt+Left; press Label141", choice, ""},
        {"forward_double_click", "dclick Label79", data, ""},
        {"back_by_keyboard", "key Alt+Left", choice, ""},
        {"forward_by_keyboard", "key Alt+Right", data, ""},
        {"calculate_without_radius", "click Label79", data, "Не задан радиус кабеля"},
        {"hose", "click Check1", hose, ""},
        {"hose_kept", "click Label141; click Option20; tab 0; tab 1; click Label79", hose, ""},
        {"hose_off", "click Check1", data, ""},
        {"calculate_double_click",
         "type MaskEdBox3 3500; type MaskEdBox2 12; type MaskEdBox1 036; type MaskEdBox4 500; type MaskEdBox5 36; "
         "type MaskEdBox6 40; dclick Label79",
         data, told.arg("нет", "", "N=0.0272213243445077; N с 1 тросом=0.00533598949739787; "
                                   "N с 2 тросами=0.00496247023258002")},
        {"calculate_in_hose_by_screen_reader", "click Check1; type MaskEdBox7 250; press Label79", typedHose,
         told.arg("да", "; Rз=40; l=2.50", "N=0.00876218824172579; N с 1 тросом=0.00286770297743595; "
                                          "N с 2 тросами=0.00266696376901543")},
        {"without_radius_the_results_stay", "set MaskEdBox2; click Label79; set MaskEdBox2 00; click Label79",
         typedHose, "Не задан радиус кабеля | Не задан радиус кабеля"},
    };
    openWorkbook(1);
    walk(Tab1, steps);
    EXPECT_EQ(seen("Text9 Text13 Text14"),
              "Text9 «0.00876218824172579» Text13 «0.00286770297743595» Text14 «0.00266696376901543»");
}

} // namespace
} // namespace ulvane

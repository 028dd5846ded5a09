#include "workbook/lightning_tab.h"

#include "widgets/masked_box.h"
#include "widgets/message_box.h"

#include <QCheckBox>
#include <QLabel>

namespace ulvane {

namespace {

using enum ControlKind;

int outerDiameterCellNumber(int row)
{
    return row <= 6 ? 86 + row : 124 + row;
}

const QColor DesktopTeal{0x00, 0x80, 0x80};

const ControlRow CatalogueHeading[] = {
    {Label, "Label125", "Тип кабеля", {120, 240, 1335, 255}, DialogFont, TopCentred},
    {HeaderCell, "Text11", ResistanceHeader, {1920, 120, 2535, 495}, DialogFont, TopCentred},
    {HeaderCell, "Text10", VoltageHeader, {4800, 120, 3135, 495}, DialogFont, TopCentred},
    {HeaderCell, "Text15", "Внешний диаметр кабеля по\r\nметаллическим покровам, мм\r\n",
     {8160, 120, 3135, 495}, DialogFont, TopCentred, DesktopTeal},
    {Line, "", "", {0, 720, 11400, 720}},
    {Line, "", "", {1800, 120, 1800, 6840}},
    {Line, "", "", {4680, 120, 4680, 6960}},
    {Line, "", "", {8040, 120, 8040, 6840}},
};

// The second list numbers its controls backwards.
const CataloguePageLayout Catalogue{
    .heading = CatalogueHeading,
    .options = {.first = 32, .step = -1},
    .optionWidth = 1650,
    .resistance = {.left = 1800, .right = 4680, .numbers = {.first = 124, .step = -1}},
    .voltage = {.left = 4680, .right = 8040, .numbers = {.first = 108, .step = -1}},
    .fourth = {.left = 9480, .right = 11400, .numbers = {.withGap = outerDiameterCellNumber}},
    .fourthValue = &CableType::OuterDiameter,
};

const ControlRow TabRows[] = {
    {Label, "Label126", "1. Выберите тип кабеля", {240, 480, 2415, 255}, LargerFont},
    {Panel, "Frame5", "", {120, 720, 11415, 6855}, DialogFont, TopLeft, colours::PageGrey},
    {Panel, "Frame6", "", {240, 840, 11295, 6495}, LargerFont},
    {BackLink, "Label141", "<< Назад", {2160, 7680, 1935, 375}, ButtonFont, TopLeft, colours::DarkLinkBlue},
    {ForwardLink, "Label79", "Вперед >>", {8400, 7680, 1575, 375}, ButtonFont, TopLeft, colours::DarkLinkBlue},
};

const char *const DamagesPerYear = "повреждений линий связи на 100 км. трассы в год";

// The boxes in display and focus order.
const ControlRow DataPageRows[] = {
    {CheckBox, "Check1", "Кабель в шланге", {480, 240, 2415, 255}},
    {Prompt, "Label129", "1. Максимально допустимое импульсное напряжение на изоляции кабеля, В",
     {360, 600, 6180, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "MaskEdBox3", "", {6600, 600, 615, 285}, DialogFont, TopLeft, InputMask{"####"}},
    {Prompt, "Label128", "2. Радиус кабеля по внешней поверхности металлических покровов, мм",
     {360, 1080, 5820, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "MaskEdBox2", "", {6240, 1080, 495, 285}, DialogFont, TopLeft, InputMask{"##"}},
    {Prompt, "Label127", "3. Сопротивление металлических покровов кабеля на постоянном токе,Ом/км",
     {360, 1560, 6420, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "MaskEdBox1", "", {6840, 1560, 615, 285}, DialogFont, TopLeft, InputMask{"#.##"}},
    {Prompt, "Label130", "4. Удельное сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)",
     {360, 2040, 5220, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "MaskEdBox4", "", {5640, 2040, 615, 285}, DialogFont, TopLeft, InputMask{"####"}},
    {Prompt, "Label76", "5. Среднее число грозочасов в год", {360, 2520, 2940, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "MaskEdBox5", "", {3360, 2520, 615, 285}, DialogFont, TopLeft, InputMask{"###"}},
    {Prompt, "Label77", "6. Среднее сопротивление заземления, Ом", {360, 2880, 3660, 285}, DialogFont,
     MiddleLeft},
    {MaskEdBox, "MaskEdBox6", "", {4080, 2880, 495, 285}, DialogFont, TopLeft, InputMask{"##"}},
    {Prompt, "Label78", "7. Среднее расстояние между заземлениями, км", {360, 3360, 3900, 285},
     DialogFont, MiddleLeft},
    {MaskEdBox, "MaskEdBox7", "", {4320, 3360, 615, 285}, DialogFont, TopLeft, InputMask{"#.##"}},
    {Label, "Label80", "Ожидается N=", {360, 4560, 1500, 255}, LargerFont},
    {ResultBox, "Text9", "", {1920, 4560, 2775, 285}, LargerFont, Centred, CharacterLimit{0}},
    {Label, "Label81", DamagesPerYear, {4800, 4560, 6495, 255}, LargerFont},
    {Label, "Label82", "При использовании 1-го троса ПС-70 ожидается N=", {360, 5040, 4140, 255}},
    {ResultBox, "Text13", "", {4560, 5040, 2295, 285}, LargerFont, Centred, CharacterLimit{0}},
    {Label, "Label83", DamagesPerYear, {6960, 5040, 4335, 255}},
    {Label, "Label84", "При использовании 2-х тросов ПС-70 ожидается N=", {360, 5640, 4140, 255}},
    {ResultBox, "Text14", "", {4560, 5640, 2295, 285}, LargerFont, Centred, CharacterLimit{0}},
    {Label, "Label85", DamagesPerYear, {6960, 5640, 4335, 255}},
};

const StudyPages Pages{.study = "lightning", .rows = TabRows, .stepCaption = "Label126", .cataloguePage = "Frame5", .catalogue = Catalogue,
                       .dataPage = "Frame6", .dataRows = DataPageRows, .back = "Label141", .forward = "Label79",
                       .flow = ForwardLinkCalculates{}};

// Which box feeds which field, in the order of the page, the two that count only for
// a cable in a hose apart, and which box shows which count.
const InputField<LightningInputs> InputFields[] = {
    {"MaskEdBox3", &LightningInputs::ImpulseVoltage, "U"},
    {"MaskEdBox2", &LightningInputs::CableRadius, "r"},
    {"MaskEdBox1", &LightningInputs::SheathResistance, "R"},
    {"MaskEdBox4", &LightningInputs::SoilResistivity, "ρ"},
    {"MaskEdBox5", &LightningInputs::ThunderstormHours, "T"},
};

const InputField<LightningInputs> HoseInputFields[] = {
    {"MaskEdBox6", &LightningInputs::GroundingResistance, "Rз"},
    {"MaskEdBox7", &LightningInputs::GroundingSpacing, "l"},
};

const ResultField<LightningResult> ResultFields[] = {
    {"Text9", [](const LightningResult &result) { return result.DamagesUnprotected; }, "N"},
    {"Text13", [](const LightningResult &result) { return result.DamagesOneWire; }, "N с 1 тросом"},
    {"Text14", [](const LightningResult &result) { return result.DamagesTwoWires; }, "N с 2 тросами"},
};

} // namespace

LightningTab::LightningTab(MessageBox &messages)
    : StudyTab(messages, Pages)
    , m_inputs(m_controls, InputFields)
    , m_hoseInputs(m_controls, HoseInputFields)
    , m_results(m_controls, ResultFields)
    , m_inHose(m_controls.get<QCheckBox>("Check1"))
    , m_hoseRows{m_controls.get("Label77"), m_controls.get("Label78"), m_controls.get("MaskEdBox6"),
                 m_controls.get("MaskEdBox7")}
{
    for (QWidget *hoseRow : m_hoseRows)
        hoseRow->hide();
    setTabOrder(m_hoseRows.back(), m_inHose);
    connect(m_inHose, &QCheckBox::clicked, this, &LightningTab::onCheck1Clicked);
}

bool LightningTab::calculate(StudyRecord &record)
{
    LightningInputs inputs{.InHose = m_inHose->isChecked()};
    record.Inputs.emplace_back("в шланге", inputs.InHose ? "да" : "нет");
    m_inputs.readInto(inputs, record.Inputs);
    // Rows 6 and 7 are hidden, and not used, unless the cable lies in a hose.
    std::vector<RecordEntry> unused;
    m_hoseInputs.readInto(inputs, inputs.InHose ? record.Inputs : unused);
    // The one-wire resistance divides by the radius: without it there is no answer.
    if (inputs.CableRadius == 0) {
        m_messages.show(window(), QStringLiteral("Не задан радиус кабеля"));
        return false;
    }
    m_results.show(CalculateLightningDamage(inputs), record.Shown);
    return true;
}

void LightningTab::onCheck1Clicked()
{
    const bool inHose = m_inHose->isChecked();
    for (QWidget *hoseRow : m_hoseRows)
        hoseRow->setVisible(inHose);
}

} // namespace ulvane

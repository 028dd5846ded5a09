#include "workbook/influence_tab.h"

#include "widgets/masked_box.h"
#include "widgets/message_box.h"

#include <QLabel>

namespace ulvane {

namespace {

using enum ControlKind;

int shieldingFactorCellNumber(int row)
{
    return row <= 6 ? 34 + row : 35 + row;
}


const ControlRow CatalogueHeading[] = {
    {Label, "Label2", "Тип кабеля", {360, 240, 1335, 255}, DialogFont, TopCentred},
    {HeaderCell, "Text1", ResistanceHeader, {2400, 120, 2535, 495}, DialogFont, TopCentred},
    {HeaderCell, "Text2", VoltageHeader, {5160, 120, 3135, 495}, DialogFont, TopCentred},
    {HeaderCell, "Text3", "КЗД (f=50 Гц) металлических\r\nпокровов, Sоб\r\n", {8520, 120, 2775, 495},
     DialogFont, TopCentred},
    {Line, "", "", {0, 720, 11400, 720}},
    {Line, "", "", {2280, 120, 2280, 6840}},
    {Line, "", "", {5040, 120, 5040, 6840}},
    {Line, "", "", {8400, 120, 8400, 6840}},
};

const CataloguePageLayout Catalogue{
    .heading = CatalogueHeading,
    .options = {.first = 1, .step = 1},
    .optionWidth = 2130,
    .resistance = {.left = 2280, .right = 5040, .numbers = {.first = 3, .step = 1}},
    .voltage = {.left = 5040, .right = 8400, .numbers = {.first = 19, .step = 1}},
    .fourth = {.left = 9720, .right = 11400, .numbers = {.withGap = shieldingFactorCellNumber}},
    .fourthValue = &CableType::ShieldingFactor,
};

const ControlRow TabRows[] = {
    {Label, "Label1", "1. Выберите тип кабеля", {240, 600, 2655, 255}, LargerFont},
    {Label, "Label55", "2. Введите свои данные", {5640, 600, 3495, 255}, LargerFont},
    {Panel, "Frame1", "", {120, 840, 11415, 6855}, DialogFont, TopLeft, colours::PageGrey},
    {GroupBox, "Frame2", "Рассчет производится для частоты f=50 Гц", {120, 960, 11295, 6495}, LargerFont},
    {BackLink, "Label53", "<< Назад", {1320, 7800, 1215, 375}, BoldFont, TopLeft, colours::LinkBlue},
    {ForwardLink, "Label52", "Вперед >>", {7320, 7800, 1455, 375}, BoldFont, TopLeft, colours::LinkBlue},
    {ForwardLink, "Label54", "Расчет >>", {7560, 7800, 1455, 375}, BoldFont, TopLeft, colours::LinkBlue},
};

const ControlRow DataPageRows[] = {
    {Prompt, "Label56", "1. Введите значение удельного сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)",
     {240, 600, 6900, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "Mask1", "", {7200, 600, 735, 285}, DialogFont, TopLeft, InputMask{"#####"}},
    {Prompt, "Label57", "2. Введите эквивалентную ширину участка сближения в км ( в пределах 0.01- 5 км)",
     {240, 1200, 6900, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "Mask2", "", {7200, 1200, 615, 285}, DialogFont, TopLeft, InputMask{"#.##"}},
    {Prompt, "Label58", "3. Введите длину участка сближения  L в км (в пределах 0.5 - 5 км)",
     {240, 1680, 5340, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "Mask3", "", {5640, 1680, 735, 285}, DialogFont, TopLeft, InputMask{"#.###"}},
    {Prompt, "Label59", "4. Введите I кз - ток короткого замыкания ЛЭП в кА (в пределах 1 - 10 кА )",
     {240, 2160, 5940, 285}, DialogFont, MiddleLeft},
    {MaskEdBox, "Mask4", "", {6240, 2160, 615, 285}, DialogFont, TopLeft, InputMask{"#.##"}},
    {Shape, "Shape1", "", {240, 2760, 10815, 3615}, LargerFont},
    {Panel, "Frame3", "", {360, 2880, 10575, 3375}, LargerFont},
    {Panel, "Frame4", "", {360, 3000, 10575, 3255}, LargerFont},
};

const char *const EmfIntroduction =
    "При заданных параметрах значение продольной ЭДС, наведенной в жилах составляет ";

const ControlRow NormMetRows[] = {
    {Label, "Label60", EmfIntroduction, {120, 360, 6975, 255}},
    {ResultBox, "Text4", "", {7140, 360, 855, 240}, DialogFont, Centred, CharacterLimit{4}},
    {Label, "Label61", ", В", {8040, 360, 600, 255}},
    {Label, "Label62", "что соответствует норме для данного типа кабеля Uдоп=", {120, 600, 4500, 255}},
    {ResultBox, "Text5", "", {4680, 600, 855, 240}, DialogFont, Centred, CharacterLimit{4}},
    {Label, "Label63", ", В", {5580, 600, 600, 255}},
    {Label, "Label64", "Рассчет опасного влияния ЛЭП выполнен", {120, 2760, 10335, 375}, ButtonFont,
     TopCentred, QColor(Qt::black)},
};

const ControlRow ProtectionRows[] = {
    {Label, "Label65", EmfIntroduction, {120, 240, 6975, 255}},
    {ResultBox, "Text6", "", {7140, 240, 975, 240}, DialogFont, MiddleLeft, CharacterLimit{5}},
    {Label, "Label66", ", В.", {8160, 240, 600, 255}},
    {Label, "Label67", "Условие Uдоп > Е не выполняется, необходимо рассчитать меры защиты кабеля .",
     {120, 600, 10335, 255}},
    {Label, "Label68", "В качестве устройства защиты применим стальные тросы, подвешенные на опорах ЛЭП.",
     {120, 960, 10335, 255}},
    {Label, "Label69", "Используются тросы сечением: 1) 120 кв. мм  (Sтр=0.85) ; 2) 70 кв.мм (Sтр=0.9)",
     {120, 1320, 10335, 255}},
    {Label, "Label70", "При использовании 1- го троса значение наведенной ЭДС составляет Е=",
     {120, 1560, 5655, 255}},
    {ResultBox, "Text7", "", {5820, 1560, 975, 240}, DialogFont, Centred, CharacterLimit{5}},
    {Label, "Label71", ", В.", {6840, 1560, 600, 255}},
    {Label, "Label72", "При использовании 2- го троса значение наведенной ЭДС составляет Е=",
     {120, 1920, 5655, 255}},
    {ResultBox, "Text8", "", {5820, 1920, 1935, 240}, DialogFont, Centred, CharacterLimit{0}},
    {Label, "Label73", ", В.", {7800, 1920, 600, 255}},
    {WrappedLabel, "Label74", "Вывод: используем стальной трос сечением 70 кв.мм", {120, 2280, 10335, 615},
     DialogFont, TopCentred},
    {Label, "Label75", "Исследование опасного влияния ЛЭП на электрический кабель связи выполнено",
     {120, 2640, 10335, 375}, BoldFont, TopCentred},
};

// The step caption comes back without the blank after "1.".
const StudyPages Pages{.study = "influence", .rows = TabRows, .stepCaption = "Label1", .cataloguePage = "Frame1", .catalogue = Catalogue,
                       .dataPage = "Frame2", .dataRows = DataPageRows, .back = "Label53", .forward = "Label52",
                       .flow = OwnCalculateLink{.link = "Label54", .dataStepCaptionLabel = "Label55",
                                                .returnStepCaption = "1.Выберите тип кабеля"}};

// Which box feeds which condition and checks its range, and which number of the
// result each block shows.
const ConditionField InputFields[] = {
    {"Mask1", &InfluenceInputs::SoilResistivity, InfluenceInput::SoilResistivity, "ρ"},
    {"Mask2", &InfluenceInputs::ApproachWidth, InfluenceInput::ApproachWidth, "a"},
    {"Mask3", &InfluenceInputs::ApproachLength, InfluenceInput::ApproachLength, "L"},
    {"Mask4", &InfluenceInputs::ShortCircuitCurrent, InfluenceInput::ShortCircuitCurrent, "Iкз"},
};

const ResultField<InfluenceResult> NormMetFields[] = {
    {"Text4", [](const InfluenceResult &result) { return result.Emf; }, "E"},
    {"Text5", [](const InfluenceResult &result) { return double(result.PermissibleVoltage); }, "Uдоп"},
};

const ResultField<InfluenceResult> ProtectionFields[] = {
    {"Text6", [](const InfluenceResult &result) { return result.Emf; }, "E"},
    {"Text7", [](const InfluenceResult &result) { return result.EmfWire120.value_or(0); }, "E с тросом 120"},
    {"Text8", [](const InfluenceResult &result) { return result.EmfWire70.value_or(0); }, "E с тросом 70"},
};

} // namespace

InfluenceTab::InfluenceTab(MessageBox &messages)
    : StudyTab(messages, Pages)
    , m_inputs(m_controls, InputFields)
    , m_normMetBlock(m_controls.placeInto("Frame3", NormMetRows))
    , m_normMetResults(m_controls, NormMetFields)
    , m_protectionBlock(m_controls.placeInto("Frame4", ProtectionRows))
    , m_protectionResults(m_controls, ProtectionFields)
    , m_conclusion(m_controls.get<QLabel>("Label74"))
{
    m_normMetBlock->hide();
    m_protectionBlock->hide();
    for (const auto &[box, row] : m_inputs) {
        connect(box, &MaskedBox::focusLeft, this,
                [this, box, condition = row.condition] { InfluenceInputCheck(box, condition); });
    }
}

bool InfluenceTab::calculate(StudyRecord &record)
{
    InfluenceInputs inputs{.CablePosition = m_cables.chosenPosition()};
    m_inputs.readInto(inputs, record.Inputs);
    if (!InputsComplete(inputs)) {
        m_messages.show(window(), QStringLiteral("Введены не все данные"));
        return false;
    }
    ShowInfluenceResult(CalculateInfluence(inputs), record.Shown);
    return true;
}

void InfluenceTab::InfluenceInputCheck(MaskedBox *box, InfluenceInput input)
{
    const InputRange &range = InfluenceInputRange(input);
    if (range.admits(boxNumber(*box)))
        return;
    m_messages.show(window(), QString::fromUtf8(range.Message));
    box->setText(QString::fromUtf8(range.ResetText));
}

void InfluenceTab::ShowInfluenceResult(const InfluenceResult &result, std::vector<RecordEntry> &shown)
{
    if (result.Verdict == InfluenceVerdict::NormMet) {
        m_normMetResults.show(result, shown);
        m_normMetBlock->show();
        m_protectionBlock->hide();
        return;
    }
    m_normMetBlock->hide();
    m_protectionBlock->show();
    m_protectionResults.show(result, shown);
    const std::string_view conclusion = ConclusionText(result.Conclusion.value_or(WireConclusion::NotSuitable));
    m_conclusion->setText(QString::fromUtf8(conclusion));
    shown.emplace_back("", conclusion);
}

} // namespace ulvane

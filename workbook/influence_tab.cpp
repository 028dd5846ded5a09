#include "workbook/influence_tab.h"

#include "widgets/form_builder.h"
#include "widgets/link_label.h"
#include "widgets/masked_box.h"
#include "widgets/message_box.h"
#include "widgets/output_box.h"
#include "workbook/page_parts.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace ulvane {

namespace {

const CataloguePageLayout CablePageLayout{
    "Frame1", 840, "Label2", 360,
    {"Text1", 2400, 2535}, {"Text2", 5160, 3135}, {"Text3", 8520, 2775},
    "КЗД (f=50 Гц) металлических\r\nпокровов, Sоб\r\n", 9720, false,
    {2280, 5040, 8400}, 6840, &CableType::ShieldingFactor,
    [](int row) { return row; },
    [](int row) { return 2 + row; },
    [](int row) { return 18 + row; },
    [](int row) { return row <= 6 ? 34 + row : 35 + row; },
};

const QString FirstStepCaption = QStringLiteral("1. Выберите тип кабеля");
const QString FirstStepCaptionAfterReturn = QStringLiteral("1.Выберите тип кабеля");
const QString EmfIntroduction = QStringLiteral(
    "При заданных параметрах значение продольной ЭДС, наведенной в жилах составляет ");

const std::array<InputRow, 4> InputRows{{
    {"Label56", "1. Введите значение удельного сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)",
     600, "Mask1", 7200, 735, "#####"},
    {"Label57", "2. Введите эквивалентную ширину участка сближения в км ( в пределах 0.01- 5 км)",
     1200, "Mask2", 7200, 615, "#.##"},
    {"Label58", "3. Введите длину участка сближения  L в км (в пределах 0.5 - 5 км)", 1680, "Mask3",
     5640, 735, "#.###"},
    {"Label59", "4. Введите I кз - ток короткого замыкания ЛЭП в кА (в пределах 1 - 10 кА )", 2160,
     "Mask4", 6240, 615, "#.##"},
}};

constexpr int PromptLeft = 240;
constexpr int RowHeight = 255;
constexpr int ResultBoxHeight = 240;

OutputBox *addOutputBox(QWidget *parent, const char *name, int characterLimit, int left, int top,
                        int width)
{
    auto *box = place(new OutputBox(characterLimit, parent), name, left, top, width, ResultBoxHeight);
    box->setFont(sansFont(DialogFontPoints));
    return box;
}

} // namespace

InfluenceTab::InfluenceTab(MessageBox &messages, QWidget *parent)
    : QWidget(parent)
    , m_messages(messages)
{
    const QFont stepFont = sansFont(LargerFontPoints);
    m_stepCaption = addLabel(this, "Label1", FirstStepCaption, 240, 600, 2655, 255, stepFont);
    m_dataStepCaption = addLabel(this, "Label55", QStringLiteral("2. Введите свои данные"), 5640,
                                 600, 3495, 255, stepFont);
    m_dataStepCaption->hide();

    m_cables = buildCataloguePage(this, CablePageLayout);
    buildDataPage();

    const LinkStyle links{colours::LinkBlue, sansFont(12, {.bold = true}), 7800};
    m_back = addLink(this, links, "Label53", BackCaption, 1320, 1215, BackShortcutTip);
    m_back->setEnabled(false);
    m_forward = addLink(this, links, "Label52", ForwardCaption, 7320, 1455, ForwardShortcutTip);
    m_calculate = addLink(this, links, "Label54", CalculateCaption, 7560, 1455, ForwardShortcutTip);
    m_calculate->hide();

    connect(m_forward, &LinkLabel::clicked, this, &InfluenceTab::onLabel52Clicked);
    connect(m_calculate, &LinkLabel::clicked, this, &InfluenceTab::onLabel54Clicked);
    connect(m_back, &LinkLabel::clicked, this, &InfluenceTab::onLabel53Clicked);
}

void InfluenceTab::buildDataPage()
{
    m_dataPage = place(new QGroupBox(QStringLiteral("Рассчет производится для частоты f=50 Гц"), this),
                       "Frame2", 120, 960, 11295, 6495);
    m_dataPage->setFont(sansFont(LargerFontPoints));
    m_dataPage->hide();

    const std::vector<InputRowWidgets> rows = addInputRows(m_dataPage, InputRows, PromptLeft);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto input = static_cast<InfluenceInput>(i);
        connect(rows[i].box, &MaskedBox::focusLeft, this, [this, input] { InfluenceInputCheck(input); });
        m_inputs[i] = rows[i].box;
    }

    auto *resultOutline = place(new QFrame(m_dataPage), "Shape1", 240, 2760, 10815, 3615);
    resultOutline->setFrameShape(QFrame::Box);
    buildNormMetBlock(m_dataPage);
    buildProtectionBlock(m_dataPage);
}

void InfluenceTab::buildNormMetBlock(QWidget *dataPage)
{
    m_normMetBlock = place(new QFrame(dataPage), "Frame3", 360, 2880, 10575, 3375);
    m_normMetBlock->hide();
    QWidget *block = m_normMetBlock;

    const QString volts = QStringLiteral(", В");
    const QString withinNorm = QStringLiteral("что соответствует норме для данного типа кабеля Uдоп=");
    addLabel(block, "Label60", EmfIntroduction, 120, 360, 6975, RowHeight);
    m_emfWithinNorm = addOutputBox(block, "Text4", 4, 7140, 360, 855);
    m_emfWithinNorm->setSurroundingWords(EmfIntroduction, volts);
    addLabel(block, "Label61", volts, 8040, 360, 600, RowHeight);

    addLabel(block, "Label62", withinNorm, 120, 600, 4500, RowHeight);
    m_permissibleVoltage = addOutputBox(block, "Text5", 4, 4680, 600, 855);
    m_permissibleVoltage->setSurroundingWords(withinNorm, volts);
    addLabel(block, "Label63", volts, 5580, 600, 600, RowHeight);

    auto *done = addLabel(block, "Label64", QStringLiteral("Рассчет опасного влияния ЛЭП выполнен"),
                          120, 2760, 10335, 375, sansFont(13.5), Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(done, Qt::black);
}

void InfluenceTab::buildProtectionBlock(QWidget *dataPage)
{
    m_protectionBlock = place(new QFrame(dataPage), "Frame4", 360, 3000, 10575, 3255);
    m_protectionBlock->hide();
    QWidget *block = m_protectionBlock;

    const QString voltsEnd = QStringLiteral(", В.");
    addLabel(block, "Label65", EmfIntroduction, 120, 240, 6975, RowHeight);
    m_emf = addOutputBox(block, "Text6", 5, 7140, 240, 975);
    m_emf->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_emf->setSurroundingWords(EmfIntroduction, voltsEnd);
    addLabel(block, "Label66", voltsEnd, 8160, 240, 600, RowHeight);

    addLabel(block, "Label67",
             QStringLiteral("Условие Uдоп > Е не выполняется, необходимо рассчитать меры защиты кабеля ."),
             120, 600, 10335, RowHeight);
    addLabel(block, "Label68",
             QStringLiteral("В качестве устройства защиты применим стальные тросы, подвешенные на опорах ЛЭП."),
             120, 960, 10335, RowHeight);
    addLabel(block, "Label69",
             QStringLiteral("Используются тросы сечением: 1) 120 кв. мм  (Sтр=0.85) ; 2) 70 кв.мм (Sтр=0.9)"),
             120, 1320, 10335, RowHeight);

    const QString firstWire =
        QStringLiteral("При использовании 1- го троса значение наведенной ЭДС составляет Е=");
    addLabel(block, "Label70", firstWire, 120, 1560, 5655, RowHeight);
    m_emfWire120 = addOutputBox(block, "Text7", 5, 5820, 1560, 975);
    m_emfWire120->setSurroundingWords(firstWire, voltsEnd);
    addLabel(block, "Label71", voltsEnd, 6840, 1560, 600, RowHeight);

    const QString secondWire =
        QStringLiteral("При использовании 2- го троса значение наведенной ЭДС составляет Е=");
    addLabel(block, "Label72", secondWire, 120, 1920, 5655, RowHeight);
    m_emfWire70 = addOutputBox(block, "Text8", 0, 5820, 1920, 1935);
    m_emfWire70->setSurroundingWords(secondWire, voltsEnd);
    addLabel(block, "Label73", voltsEnd, 7800, 1920, 600, RowHeight);

    m_conclusion = addLabel(block, "Label74",
                            QStringLiteral("Вывод: используем стальной трос сечением 70 кв.мм"), 120,
                            2280, 10335, 615, sansFont(DialogFontPoints),
                            Qt::AlignHCenter | Qt::AlignTop);
    m_conclusion->setWordWrap(true);
    addLabel(block, "Label75",
             QStringLiteral("Исследование опасного влияния ЛЭП на электрический кабель связи выполнено"),
             120, 2640, 10335, 375, sansFont(12, {.bold = true}), Qt::AlignHCenter | Qt::AlignTop);
}

void InfluenceTab::chooseFirstCable()
{
    m_cables.rows.front()->setChecked(true);
}

void InfluenceTab::pressForwardLink()
{
    (m_forward->isVisible() ? m_forward : m_calculate)->press();
}

void InfluenceTab::pressBackLink()
{
    m_back->press();
}

void InfluenceTab::onLabel52Clicked()
{
    m_stepCaption->setText(m_dataStepCaption->text());
    m_cables.page->hide();
    m_dataPage->show();
    m_back->setEnabled(true);
    m_forward->hide();
    m_calculate->show();
    m_calculate->setText(CalculateCaption);
}

void InfluenceTab::onLabel54Clicked()
{
    m_calculate->setText(CalculateCaption);
    m_stepCaption->setText(m_dataStepCaption->text());
    m_cables.page->hide();
    m_dataPage->show();
    m_back->setEnabled(true);
    m_forward->setText(m_calculate->text());

    if (!InputsComplete(ReadInfluenceInputs())) {
        m_messages.show(window(), QStringLiteral("Введены не все данные"));
        return;
    }
    ShowInfluenceResult(CalculateInfluence(ReadInfluenceInputs()));
}

void InfluenceTab::onLabel53Clicked()
{
    m_stepCaption->setText(FirstStepCaptionAfterReturn);
    m_forward->show();
    m_calculate->hide();
    m_cables.page->show();
    m_dataPage->hide();
    m_back->setEnabled(false);
    m_calculate->setText(ForwardCaption);
}

void InfluenceTab::InfluenceInputCheck(InfluenceInput input)
{
    MaskedBox *box = m_inputs[static_cast<std::size_t>(input)];
    const InputRange &range = InfluenceInputRange(input);
    if (range.admits(box->number()))
        return;
    m_messages.show(window(), qtText(range.Message));
    box->setText(qtText(range.ResetText));
}

InfluenceInputs InfluenceTab::ReadInfluenceInputs() const
{
    auto read = [this](InfluenceInput input) {
        return m_inputs[static_cast<std::size_t>(input)]->number();
    };
    InfluenceInputs inputs;
    inputs.SoilResistivity = read(InfluenceInput::SoilResistivity);
    inputs.ApproachWidth = read(InfluenceInput::ApproachWidth);
    inputs.ApproachLength = read(InfluenceInput::ApproachLength);
    inputs.ShortCircuitCurrent = read(InfluenceInput::ShortCircuitCurrent);
    inputs.CablePosition = m_cables.chosenPosition();
    return inputs;
}

void InfluenceTab::ShowInfluenceResult(const InfluenceResult &result)
{
    if (result.Verdict == InfluenceVerdict::NormMet) {
        m_emfWithinNorm->showNumber(result.Emf);
        m_permissibleVoltage->showNumber(result.PermissibleVoltage);
        m_normMetBlock->show();
        m_protectionBlock->hide();
        return;
    }
    m_normMetBlock->hide();
    m_protectionBlock->show();
    m_emf->showNumber(result.Emf);
    m_emfWire120->showNumber(result.EmfWire120.value_or(0));
    m_emfWire70->showNumber(result.EmfWire70.value_or(0));
    m_conclusion->setText(
        qtText(ConclusionText(result.Conclusion.value_or(WireConclusion::NotSuitable))));
}

} // namespace ulvane

#include "workbook/lightning_tab.h"

#include "widgets/form_builder.h"
#include "widgets/link_label.h"
#include "widgets/masked_box.h"
#include "widgets/message_box.h"
#include "widgets/output_box.h"
#include "workbook/page_parts.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace ulvane {

namespace {

const CataloguePageLayout CablePageLayout{
    "Frame5", 720, "Label125", 120,
    {"Text11", 1920, 2535}, {"Text10", 4800, 3135}, {"Text15", 8160, 3135},
    "Внешний диаметр кабеля по\r\nметаллическим покровам, мм\r\n", 9480, true,
    {1800, 4680, 8040}, 6960, &CableType::OuterDiameter,
    [](int row) { return 33 - row; },
    [](int row) { return 125 - row; },
    [](int row) { return 109 - row; },
    [](int row) { return row <= 6 ? 86 + row : 124 + row; },
};

const QString DamagesPerYear = QStringLiteral("повреждений линий связи на 100 км. трассы в год");

// Display and focus order.
const std::array<InputRow, 7> InputRows{{
    {"Label129", "1. Максимально допустимое импульсное напряжение на изоляции кабеля, В", 600,
     "MaskEdBox3", 6600, 615, "####"},
    {"Label128", "2. Радиус кабеля по внешней поверхности металлических покровов, мм", 1080,
     "MaskEdBox2", 6240, 495, "##"},
    {"Label127", "3. Сопротивление металлических покровов кабеля на постоянном токе,Ом/км", 1560,
     "MaskEdBox1", 6840, 615, "#.##"},
    {"Label130", "4. Удельное сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)", 2040, "MaskEdBox4",
     5640, 615, "####"},
    {"Label76", "5. Среднее число грозочасов в год", 2520, "MaskEdBox5", 3360, 615, "###"},
    {"Label77", "6. Среднее сопротивление заземления, Ом", 2880, "MaskEdBox6", 4080, 495, "##"},
    {"Label78", "7. Среднее расстояние между заземлениями, км", 3360, "MaskEdBox7", 4320, 615,
     "#.##"},
}};

enum Row { Voltage, Radius, Resistance, Resistivity, Hours, GroundingResistance, GroundingSpacing };

constexpr int PromptLeft = 360;
constexpr int RowHeight = 255;
constexpr int BoxHeight = 285;

} // namespace

LightningTab::LightningTab(MessageBox &messages, QWidget *parent)
    : QWidget(parent)
    , m_messages(messages)
{
    m_stepCaption = addLabel(this, "Label126", QStringLiteral("1. Выберите тип кабеля"), 240, 480,
                             2415, 255, sansFont(LargerFontPoints));
    m_cables = buildCataloguePage(this, CablePageLayout);
    buildDataPage();

    const LinkStyle links{colours::DarkLinkBlue, sansFont(13.5), 7680};
    m_back = addLink(this, links, "Label141", BackCaption, 2160, 1935, BackShortcutTip);
    m_back->setEnabled(false);
    m_forward = addLink(this, links, "Label79", ForwardCaption, 8400, 1575, ForwardShortcutTip);

    connect(m_forward, &LinkLabel::clicked, this, &LightningTab::onLabel79Clicked);
    connect(m_back, &LinkLabel::clicked, this, &LightningTab::onLabel141Clicked);
    connect(m_inHose, &QCheckBox::clicked, this, &LightningTab::onCheck1Clicked);
}

void LightningTab::buildDataPage()
{
    m_dataPage = place(new QFrame(this), "Frame6", 240, 840, 11295, 6495);
    m_dataPage->setFont(sansFont(LargerFontPoints));
    m_dataPage->hide();

    m_inHose = place(new QCheckBox(QStringLiteral("Кабель в шланге"), m_dataPage), "Check1", 480, 240,
                     2415, RowHeight);
    m_inHose->setFont(sansFont(DialogFontPoints));

    const std::vector<InputRowWidgets> inputs = addInputRows(m_dataPage, InputRows, PromptLeft);
    for (std::size_t i = 0; i < inputs.size(); ++i)
        m_inputs[i] = inputs[i].box;
    setTabOrder(inputs.back().box, m_inHose);
    m_hoseRows = {inputs[GroundingResistance].prompt, inputs[GroundingSpacing].prompt,
                  inputs[GroundingResistance].box, inputs[GroundingSpacing].box};
    for (QWidget *hoseRow : m_hoseRows)
        hoseRow->hide();

    struct ResultRow {
        const char *introductionName;
        QString introduction;
        int top;
        const char *boxName;
        int boxLeft;
        int boxWidth;
        const char *unitName;
        QFont font;
    };
    const QFont larger = sansFont(LargerFontPoints);
    const QFont plain = sansFont(DialogFontPoints);
    const ResultRow rows[] = {
        {"Label80", QStringLiteral("Ожидается N="), 4560, "Text9", 1920, 2775, "Label81", larger},
        {"Label82", QStringLiteral("При использовании 1-го троса ПС-70 ожидается N="), 5040, "Text13",
         4560, 2295, "Label83", plain},
        {"Label84", QStringLiteral("При использовании 2-х тросов ПС-70 ожидается N="), 5640, "Text14",
         4560, 2295, "Label85", plain},
    };
    std::array<OutputBox *, 3> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const ResultRow &row = rows[i];
        const int introductionWidth = row.boxLeft - PromptLeft - 60;
        addLabel(m_dataPage, row.introductionName, row.introduction, PromptLeft, row.top,
                 introductionWidth, RowHeight, row.font);
        boxes[i] = place(new OutputBox(0, m_dataPage), row.boxName, row.boxLeft, row.top,
                         row.boxWidth, BoxHeight);
        boxes[i]->setFont(larger);
        boxes[i]->setSurroundingWords(row.introduction, DamagesPerYear);
        const int unitLeft = row.boxLeft + row.boxWidth + 105;
        addLabel(m_dataPage, row.unitName, DamagesPerYear, unitLeft, row.top, 11295 - unitLeft,
                 RowHeight, row.font);
    }
    m_damagesUnprotected = boxes[0];
    m_damagesOneWire = boxes[1];
    m_damagesTwoWires = boxes[2];
}

void LightningTab::chooseFirstCable()
{
    m_cables.rows.front()->setChecked(true);
}

void LightningTab::pressForwardLink()
{
    m_forward->press();
}

void LightningTab::pressBackLink()
{
    m_back->press();
}

void LightningTab::onLabel79Clicked()
{
    if (m_forward->text() == ForwardCaption) {
        m_back->setEnabled(true);
        m_stepCaption->hide();
        m_cables.page->hide();
        m_dataPage->show();
        m_forward->setText(CalculateCaption);
        return;
    }
    const LightningInputs inputs = ReadLightningInputs();
    // The one-wire resistance divides by the radius: without it there is no answer.
    if (inputs.CableRadius == 0) {
        m_messages.show(window(), QStringLiteral("Не задан радиус кабеля"));
        return;
    }
    ShowLightningResult(CalculateLightningDamage(inputs));
}

void LightningTab::onLabel141Clicked()
{
    m_cables.page->show();
    m_dataPage->hide();
    m_back->setEnabled(false);
    m_stepCaption->show();
    m_forward->setText(ForwardCaption);
}

void LightningTab::onCheck1Clicked()
{
    m_cableInHose = m_inHose->checkState() != Qt::Unchecked;
    for (QWidget *hoseRow : m_hoseRows)
        hoseRow->setVisible(m_cableInHose);
}

LightningInputs LightningTab::ReadLightningInputs() const
{
    LightningInputs inputs;
    inputs.ImpulseVoltage = m_inputs[Voltage]->number();
    inputs.SheathResistance = m_inputs[Resistance]->number();
    inputs.SoilResistivity = m_inputs[Resistivity]->number();
    inputs.ThunderstormHours = m_inputs[Hours]->number();
    inputs.GroundingResistance = m_inputs[GroundingResistance]->number();
    inputs.GroundingSpacing = m_inputs[GroundingSpacing]->number();
    inputs.CableRadius = m_inputs[Radius]->number();
    inputs.InHose = m_cableInHose;
    return inputs;
}

void LightningTab::ShowLightningResult(const LightningResult &result)
{
    m_damagesUnprotected->showNumber(result.DamagesUnprotected);
    m_damagesOneWire->showNumber(result.DamagesOneWire);
    m_damagesTwoWires->showNumber(result.DamagesTwoWires);
}

} // namespace ulvane

#include "workbook/study_tab.h"

#include "widgets/link_label.h"

#include <QLabel>
#include <QRadioButton>

namespace ulvane {

namespace {

const QString ForwardCaption = QStringLiteral("Вперед >>");
const QString CalculateCaption = QStringLiteral("Расчет >>");

} // namespace

StudyTab::StudyTab(MessageBox &messages, const StudyPages &pages)
    : m_messages(messages)
    , m_controls(placeRows(this, pages.rows))
    , m_cables(buildCataloguePage(m_controls.get(pages.cataloguePage), pages.catalogue))
    , m_stepCaption(m_controls.get<QLabel>(pages.stepCaption))
    , m_returnStepCaption(pages.returnStepCaption)
    , m_dataPage(m_controls.placeInto(pages.dataPage, pages.dataRows))
    , m_back(m_controls.get<LinkLabel>(pages.back))
    , m_forward(m_controls.get<LinkLabel>(pages.forward))
    , m_calculate(m_controls.get<LinkLabel>(pages.calculate))
{
    if (pages.dataStepCaption) {
        m_dataStepCaption = m_controls.get<QLabel>(pages.dataStepCaption);
        m_dataStepCaption->hide();
    }
    m_back->setEnabled(false);
    m_dataPage->hide();

    connect(m_forward, &LinkLabel::clicked, this, &StudyTab::onForwardClicked);
    connect(m_back, &LinkLabel::clicked, this, &StudyTab::onBackClicked);
    if (m_calculate != m_forward) {
        m_calculate->hide();
        connect(m_calculate, &LinkLabel::clicked, this, &StudyTab::onCalculateClicked);
    }
}

void StudyTab::chooseFirstCable()
{
    m_cables.rows.front()->setChecked(true);
}

void StudyTab::pressForwardLink()
{
    (m_forward->isVisibleTo(this) ? m_forward : m_calculate)->press();
}

void StudyTab::pressBackLink()
{
    m_back->press();
}

void StudyTab::onForwardClicked()
{
    if (m_forward == m_calculate && m_forward->text() != ForwardCaption) {
        calculate();
        return;
    }
    if (m_dataStepCaption)
        m_stepCaption->setText(m_dataStepCaption->text());
    else
        m_stepCaption->hide();
    m_cables.page->hide();
    m_dataPage->show();
    m_back->setEnabled(true);
    if (m_calculate != m_forward) {
        m_forward->hide();
        m_calculate->show();
    }
    m_calculate->setText(CalculateCaption);
}

// A calculate link of its own shows only on the data page. The forward link takes
// its caption for good, though it still only moves.
void StudyTab::onCalculateClicked()
{
    m_forward->setText(m_calculate->text());
    calculate();
}

void StudyTab::onBackClicked()
{
    if (m_returnStepCaption)
        m_stepCaption->setText(QString::fromUtf8(m_returnStepCaption));
    else
        m_stepCaption->show();
    if (m_calculate != m_forward) {
        m_forward->show();
        m_calculate->hide();
    }
    m_cables.page->show();
    m_dataPage->hide();
    m_back->setEnabled(false);
    m_calculate->setText(ForwardCaption);
}

} // namespace ulvane

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
    , m_study(pages.study)
    , m_stepCaption(m_controls.get<QLabel>(pages.stepCaption))
    , m_dataPage(m_controls.placeInto(pages.dataPage, pages.dataRows))
    , m_back(m_controls.get<LinkLabel>(pages.back))
    , m_forward(m_controls.get<LinkLabel>(pages.forward))
    , m_flow(bindFlow(pages))
{
    connect(m_forward, &LinkLabel::clicked, this, &StudyTab::onForwardClicked);
    connect(m_back, &LinkLabel::clicked, this, &StudyTab::onBackClicked);
    if (const auto *own = std::get_if<OwnLink>(&m_flow))
        connect(own->link, &LinkLabel::clicked, this, &StudyTab::onCalculateClicked);
    showPage(StudyPage::Cables);
}

StudyTab::Flow StudyTab::bindFlow(const StudyPages &pages)
{
    if (const auto *own = std::get_if<OwnCalculateLink>(&pages.flow)) {
        auto *dataStepCaption = m_controls.get<QLabel>(own->dataStepCaptionLabel);
        dataStepCaption->hide();
        return OwnLink{m_controls.get<LinkLabel>(own->link), dataStepCaption->text(),
                       QString::fromUtf8(own->returnStepCaption)};
    }
    return ForwardLinkCalculates{};
}

void StudyTab::chooseFirstCable()
{
    m_cables.rows.front()->setChecked(true);
}

void StudyTab::pressForwardLink()
{
    const auto *own = std::get_if<OwnLink>(&m_flow);
    (own && m_page == StudyPage::Data ? own->link : m_forward)->press();
}

void StudyTab::pressBackLink()
{
    m_back->press();
}

// Forward, the pages change before the links: the link a screen reader pressed stays
// until the data page is there, or the page's focus, lost with it, would go to Qt's
// hidden keyboard helper as the focus moves into a box, read as a nameless box.
void StudyTab::showPage(StudyPage page)
{
    const bool data = page == StudyPage::Data;
    const bool returning = m_page == StudyPage::Data && !data;
    m_page = page;
    showStepCaption(data, returning);
    if (!data)
        showLinks(data);
    m_cables.page->setVisible(!data);
    m_dataPage->setVisible(data);
    m_back->setEnabled(data);
    if (data)
        showLinks(data);
}

void StudyTab::showStepCaption(bool data, bool returning)
{
    const auto *own = std::get_if<OwnLink>(&m_flow);
    if (!own) {
        m_stepCaption->setVisible(!data);
        return;
    }
    // The step caption keeps its first text until the student comes back.
    if (data)
        m_stepCaption->setText(own->dataStepCaption);
    else if (returning)
        m_stepCaption->setText(own->returnStepCaption);
}

void StudyTab::showLinks(bool data)
{
    if (const auto *own = std::get_if<OwnLink>(&m_flow)) {
        m_forward->setVisible(!data);
        own->link->setVisible(data);
        m_forward->setText(own->used ? CalculateCaption : ForwardCaption);
    } else {
        m_forward->setText(data ? CalculateCaption : ForwardCaption);
    }
}

// Only the lightning study's forward link shows on the data page; there it calculates.
void StudyTab::onForwardClicked()
{
    if (m_page == StudyPage::Data)
        calculateAndTell();
    else
        showPage(StudyPage::Data);
}

void StudyTab::onCalculateClicked()
{
    std::get<OwnLink>(m_flow).used = true;
    calculateAndTell();
}

void StudyTab::onBackClicked()
{
    showPage(StudyPage::Cables);
}

void StudyTab::calculateAndTell()
{
    StudyRecord record;
    record.Study = m_study;
    record.Cable = CableCatalogue::Entry(m_cables.chosenPosition()).Name;
    if (calculate(record))
        emit resultShown(record);
}

} // namespace ulvane

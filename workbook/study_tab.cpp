#include "workbook/study_tab.h"

#include "widgets/link_label.h"

#include <QLabel>
#include <QRadioButton>

namespace ulvane {

StudyTab::StudyTab(MessageBox &messages, const Pages &pages)
    : m_messages(messages)
    , m_controls(placeRows(this, pages.rows))
    , m_cables(buildCataloguePage(m_controls.get(pages.cataloguePage), pages.catalogue))
    , m_stepCaption(m_controls.get<QLabel>(pages.stepCaption))
    , m_dataPage(m_controls.get(pages.dataPage))
{
    for (const ControlRow &row : pages.rows) {
        if (row.kind == ControlKind::BackLink)
            m_back = m_controls.get<LinkLabel>(row.name);
        else if (row.kind == ControlKind::ForwardLink)
            m_forwardLinks.append(m_controls.get<LinkLabel>(row.name));
    }
    m_back->setEnabled(false);
    m_dataPage->hide();
}

void StudyTab::chooseFirstCable()
{
    m_cables.rows.front()->setChecked(true);
}

void StudyTab::pressForwardLink()
{
    for (LinkLabel *link : std::as_const(m_forwardLinks)) {
        if (link->isVisibleTo(this)) {
            link->press();
            return;
        }
    }
}

void StudyTab::pressBackLink()
{
    m_back->press();
}

} // namespace ulvane

#include "workbook/workbook_window.h"

#include "widgets/fonts.h"
#include "widgets/form_builder.h"
#include "widgets/tab_container.h"
#include "workbook/influence_tab.h"
#include "workbook/lightning_tab.h"

#include <QShortcut>

namespace ulvane {

WorkbookWindow::WorkbookWindow(MessageBox &messages, QWidget *parent)
    : QWidget(parent)
    , m_tabs(new TabContainer(twips(400), layoutFont(Typeface::Serif, DialogFontPoints), this))
    , m_influence(new InfluenceTab(messages))
    , m_lightning(new LightningTab(messages))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ulvane"));
    setFont(sansFont(DialogFontPoints));
    setFixedSize(twips(11880), twips(8595));

    place(m_tabs, "SSTab1", 0, 0, 11895, 8655);
    m_tabs->addTab(m_influence,
                   QStringLiteral("Исследование опасного влияния ЛЭП на электрический кабель связи"));
    m_tabs->addTab(m_lightning, QStringLiteral("Исследование грозостойкости электрического кабеля связи"));
    m_tabs->setCurrentIndex(1);

    // The links never take the focus, so the keyboard reaches them through the window.
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated, this,
            &WorkbookWindow::pressForwardLink);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, this,
            &WorkbookWindow::pressBackLink);

    // The load step.
    m_influence->chooseFirstCable();
    m_lightning->chooseFirstCable();
}

void WorkbookWindow::pressForwardLink()
{
    if (m_tabs->currentIndex() == 0)
        m_influence->pressForwardLink();
    else
        m_lightning->pressForwardLink();
}

void WorkbookWindow::pressBackLink()
{
    if (m_tabs->currentIndex() == 0)
        m_influence->pressBackLink();
    else
        m_lightning->pressBackLink();
}

} // namespace ulvane

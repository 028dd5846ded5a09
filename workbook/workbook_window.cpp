#include "workbook/workbook_window.h"

#include "widgets/form_builder.h"
#include "widgets/tab_container.h"
#include "workbook/influence_tab.h"
#include "workbook/lightning_tab.h"

#include <QCloseEvent>
#include <QShortcut>

namespace ulvane {

WorkbookWindow::WorkbookWindow(MessageBox &messages, QWidget *parent)
    : QWidget(parent)
    , m_tabs(new TabContainer(twips(400), layoutFont(TabFont), this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Ulvane"));
    setFont(layoutFont(DialogFont));
    setFixedSize(twips(11880), twips(8595));

    place(m_tabs, QStringLiteral("SSTab1"), {0, 0, 11895, 8655});
    StudyTab *const influence = new InfluenceTab(messages);
    StudyTab *const lightning = new LightningTab(messages);
    m_tabs->addTab(influence,
                   QStringLiteral("Исследование опасного влияния ЛЭП на электрический кабель связи"));
    m_tabs->addTab(lightning, QStringLiteral("Исследование грозостойкости электрического кабеля связи"));
    m_tabs->setCurrentIndex(1);
    for (StudyTab *study : {influence, lightning}) {
        connect(study, &StudyTab::resultShown, this, [this, study](const StudyRecord &record) {
            emit resultShown(m_tabs->indexOf(study), m_tabs->count(), record);
        });
    }

    // The links never take the focus, so the keyboard reaches them through the window.
    auto currentStudy = [this] { return static_cast<StudyTab *>(m_tabs->currentPage()); };
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated, this,
            [currentStudy] { currentStudy()->pressForwardLink(); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, this,
            [currentStudy] { currentStudy()->pressBackLink(); });

    // The load step.
    influence->chooseFirstCable();
    lightning->chooseFirstCable();
}

void WorkbookWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace ulvane

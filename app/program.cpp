#include "app/program.h"

#include "app/start_window.h"
#include "platform/platform.h"
#include "workbook/workbook_window.h"

namespace ulvane {

Program::Program(Platform &platform)
    : m_platform(platform)
{
}

Program::~Program()
{
    delete m_startWindow;
}

void Program::start()
{
    m_startWindow = new StartWindow(m_platform.messages(), [this](WayIn way) { openWorkbook(way); });
    connect(m_startWindow, &StartWindow::closedWithoutHandOver, this, [this] { m_platform.workFinished(); });
    m_startWindow->show();
}

void Program::openWorkbook(WayIn way)
{
    if (!m_workbook) {
        m_workbook = std::make_unique<WorkbookWindow>(m_platform.messages());
        connect(m_workbook.get(), &WorkbookWindow::resultShown, this,
                [this](int tab, int tabs, const StudyRecord &record) {
                    m_platform.studyShownResult(tab, tabs, record);
                });
        connect(m_workbook.get(), &WorkbookWindow::closed, this, [this] { m_platform.workFinished(); });
    }
    m_workbook->show();
    m_platform.workbookOpened(way);
}

} // namespace ulvane

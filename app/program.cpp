#include "app/program.h"

#include "app/start_window.h"
#include "workbook/workbook_window.h"

namespace ulvane {

Program::Program(MessageBox &messages)
    : m_messages(messages)
{
}

Program::~Program()
{
    delete m_startWindow;
}

void Program::start()
{
    m_startWindow = new StartWindow(m_messages, [this] { openWorkbook(); });
    m_startWindow->show();
}

void Program::openWorkbook()
{
    if (!m_workbook)
        m_workbook = std::make_unique<WorkbookWindow>(m_messages);
    m_workbook->show();
}

} // namespace ulvane

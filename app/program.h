#pragma once

#include "calc/lab_record.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace ulvane {

class Platform;
class StartWindow;
class WorkbookWindow;

// The program's two windows: the start window first, then, after the hand-over,
// the one workbook window. The program ends when the last of them is closed. It
// tells the platform how the student came in, each result a study has shown, and
// when the work is finished.
class Program : public QObject
{
    Q_OBJECT

public:
    explicit Program(Platform &platform);
    ~Program() override;

    // Creates the start window, runs its load step and shows it.
    void start();

private:
    void openWorkbook(WayIn way);

    Platform &m_platform;
    // Closing deletes it.
    QPointer<StartWindow> m_startWindow;
    std::unique_ptr<WorkbookWindow> m_workbook;
};

} // namespace ulvane

#pragma once

#include "calc/lab_record.h"

#include <QWidget>

#include <functional>

class QCloseEvent;
class QLineEdit;

namespace ulvane {

class AdmissionTestPage;
class MessageBox;

// The start window Form1: the start page Frame1 with the optional access code, and
// the admission test page Frame2. Both ways out, the access code and a passed test,
// hand over to the workbook: this window closes and is destroyed, then
// openWorkbook opens the workbook window, told which way the student came. Closed any other way, it is the last window
// and the work is finished.
class StartWindow : public QWidget
{
    Q_OBJECT

public:
    StartWindow(MessageBox &messages, std::function<void(WayIn)> openWorkbook);

signals:
    void closedWithoutHandOver();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onCommand1Clicked();
    void handOverToWorkbook(WayIn way);

    std::function<void(WayIn)> m_openWorkbook;
    bool m_handingOver = false;
    QWidget *m_startPage;
    QLineEdit *m_accessCode;
    AdmissionTestPage *m_testPage;
};

} // namespace ulvane

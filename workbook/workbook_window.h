#pragma once

#include "calc/lab_record.h"

#include <QWidget>

class QCloseEvent;

namespace ulvane {

class MessageBox;
class TabContainer;

// The workbook window Form2: the two studies on the two tabs of SSTab1. The tabs
// are independent; each keeps its page, choice, inputs and results while the other
// is in front.
class WorkbookWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WorkbookWindow(MessageBox &messages, QWidget *parent = nullptr);

signals:
    // The study on this tab (counted from 0, of tabs) has shown a result, as the
    // record tells, for the platform to pass on.
    void resultShown(int tab, int tabs, const ulvane::StudyRecord &record);
    // The student has closed the window, the last of the program's.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TabContainer *m_tabs;
};

} // namespace ulvane

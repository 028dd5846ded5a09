#pragma once

#include "widgets/message_box.h"

namespace ulvane {

// A nested event loop in the browser needs Asyncify, which makes the program a
// quarter larger; an application-modal box blocks the student just the same, and
// the call returns at once.
class PageMessageBox : public MessageBox
{
public:
    void show(QWidget *parent, const QString &text) override;
};

} // namespace ulvane

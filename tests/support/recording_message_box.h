#pragma once

#include "widgets/message_box.h"

#include <QStringList>

namespace ulvane {

// Records each message instead of showing it; the student "closes" it at once.
class RecordingMessageBox : public MessageBox
{
public:
    void show(QWidget *, const QString &text) override { messages.append(text); }

    QStringList takeMessages()
    {
        QStringList taken = messages;
        messages.clear();
        return taken;
    }

    QStringList messages;
};

} // namespace ulvane

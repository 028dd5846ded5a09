#pragma once

#include <QString>

class QWidget;

namespace ulvane {

// Every message the program shows goes through this, so tests can record messages
// instead of opening a modal loop.
class MessageBox
{
public:
    virtual ~MessageBox() = default;

    // Returns once the student has closed the message, or, where the platform cannot
    // wait inside a call, at once, with the message in front of every window until
    // it is closed. Callers therefore do nothing after it that the answer changes.
    virtual void show(QWidget *parent, const QString &text) = 0;
};

// A modal box with the sentence, one OK button, no icon and the caption "Ulvane",
// returning once it is closed.
class ModalMessageBox : public MessageBox
{
public:
    void show(QWidget *parent, const QString &text) override;
};

} // namespace ulvane

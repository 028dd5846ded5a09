#pragma once

#include <QLineEdit>

namespace ulvane {

// An input box with a digit mask such as "#.##": "#" takes one digit, "." is a fixed
// decimal point, and unfilled positions show the prompt "*". Its text, as the program
// reads it, is what it shows (displayText): "5.**" with prompts and point included.
class MaskedBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit MaskedBox(const QString &mask, QWidget *parent = nullptr);

signals:
    // The keyboard focus left for another control of the same window; not sent when
    // the window itself loses activation (a message box opening, another program).
    void focusLeft();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace ulvane

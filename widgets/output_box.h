#pragma once

#include <QLineEdit>

namespace ulvane {

// A result box: read-only red text that the Tab key skips. A box with a character
// limit shows a number the way BoxNumberText cuts it.
class OutputBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit OutputBox(int characterLimit, QWidget *parent = nullptr);

    void showNumber(double value);

    // For screen readers: the words before the box name it, those after describe it.
    void setSurroundingWords(const QString &before, const QString &after);

private:
    int m_characterLimit;
};

} // namespace ulvane

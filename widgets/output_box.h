#pragma once

#include <QLineEdit>

namespace ulvane {

// A result box: read-only red text. Tab reaches it, so that a screen reader reads
// the result when it takes the focus; a click does not focus it. Its character limit
// says how many characters a number written into it may take (0: any number).
class OutputBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit OutputBox(int characterLimit, QWidget *parent = nullptr);

    int characterLimit() const { return m_characterLimit; }

    // Shows the text from its first character, however long it is.
    void showText(const QString &text);

    // For screen readers: the words before the box name it, those after describe it.
    void setSurroundingWords(const QString &before, const QString &after);

private:
    int m_characterLimit;
};

} // namespace ulvane

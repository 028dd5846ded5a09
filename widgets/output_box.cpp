#include "widgets/output_box.h"

#include "calc/number_text.h"
#include "widgets/fonts.h"

#include <QLocale>

namespace ulvane {

namespace {

// The user's decimal separator, or "." where it is not a single ASCII character.
char userDecimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    if (separator.size() == 1 && separator.front().unicode() < 0x80)
        return static_cast<char>(separator.front().unicode());
    return '.';
}

} // namespace

OutputBox::OutputBox(int characterLimit, QWidget *parent)
    : QLineEdit(parent)
    , m_characterLimit(characterLimit)
{
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    QPalette boxPalette = palette();
    boxPalette.setColor(QPalette::Text, colours::ResultRed);
    boxPalette.setColor(QPalette::Base, palette().color(QPalette::Button));
    setPalette(boxPalette);
}

void OutputBox::showNumber(double value)
{
    setText(QString::fromStdString(BoxNumberText(value, userDecimalSeparator(), m_characterLimit)));
    setCursorPosition(0);
}

void OutputBox::setSurroundingWords(const QString &before, const QString &after)
{
    setAccessibleName(before.trimmed());
    setAccessibleDescription(after.trimmed());
}

} // namespace ulvane

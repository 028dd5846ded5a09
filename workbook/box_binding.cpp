#include "workbook/box_binding.h"

#include "calc/number_text.h"

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

double boxNumber(const MaskedBox &box)
{
    return ReadLeadingNumber(box.displayText().toStdString());
}

QString showNumber(OutputBox &box, double value)
{
    const QString text = QString::fromStdString(BoxNumberText(value, userDecimalSeparator(), box.characterLimit()));
    box.showText(text);
    return text;
}

} // namespace ulvane

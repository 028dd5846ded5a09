#include "widgets/output_box.h"

#include "widgets/fonts.h"

namespace ulvane {

OutputBox::OutputBox(int characterLimit, QWidget *parent)
    : QLineEdit(parent)
    , m_characterLimit(characterLimit)
{
    setReadOnly(true);
    setFocusPolicy(Qt::TabFocus);
    QPalette boxPalette = palette();
    boxPalette.setColor(QPalette::Text, colours::ResultRed);
    boxPalette.setColor(QPalette::Base, palette().color(QPalette::Button));
    setPalette(boxPalette);
}

void OutputBox::showText(const QString &text)
{
    setText(text);
    setCursorPosition(0);
}

void OutputBox::setSurroundingWords(const QString &before, const QString &after)
{
    setAccessibleName(before.trimmed());
    setAccessibleDescription(after.trimmed());
}

} // namespace ulvane

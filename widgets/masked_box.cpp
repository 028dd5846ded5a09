#include "widgets/masked_box.h"

#include <QFocusEvent>

namespace ulvane {

namespace {

constexpr QChar Prompt = u'*';

// Qt's "0" is an optional digit; a "." is not a mask character, so it stays a literal.
QString qtInputMask(QString mask)
{
    mask.replace(u'#', u'0');
    return mask + u';' + Prompt;
}

} // namespace

MaskedBox::MaskedBox(const QString &mask, QWidget *parent)
    : QLineEdit(parent)
{
    setInputMask(qtInputMask(mask));
}

void MaskedBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    emit focusLeft();
}

} // namespace ulvane

#include "widgets/link_label.h"

#include <QMouseEvent>

namespace ulvane {

LinkLabel::LinkLabel(const QString &caption, const QColor &colour, const QFont &font,
                     QWidget *parent)
    : QLabel(caption, parent)
{
    setFont(font);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::Active, QPalette::WindowText, colour);
    linkPalette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    linkPalette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
    setPalette(linkPalette);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && isVisible() && isEnabled()) {
        emit clicked();
    }
}

} // namespace ulvane

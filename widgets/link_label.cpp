#include "widgets/link_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace ulvane {

namespace {

class AccessibleLinkLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLinkLabel(LinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return link()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            link()->press();
    }

private:
    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }
};

QAccessibleInterface *accessibleLinkLabel(const QString &className, QObject *object)
{
    if (className == QLatin1String(LinkLabel::staticMetaObject.className()))
        return new AccessibleLinkLabel(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &caption, const QColor &colour, const QFont &font,
                     QWidget *parent)
    : QLabel(caption, parent)
{
    [[maybe_unused]] static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(accessibleLinkLabel);
        return true;
    }();

    setFont(font);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::Active, QPalette::WindowText, colour);
    linkPalette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    linkPalette.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
    setPalette(linkPalette);
}

void LinkLabel::press()
{
    if (isVisible() && isEnabled())
        emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// The second press of a double click: its first click has acted already.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint())) {
        press();
    }
}

} // namespace ulvane

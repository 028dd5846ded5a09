#include "platform/browser_touch.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ulvane {

LongPress::LongPress(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    m_timer.callOnTimeout(this, [this] {
        if (!m_widget)
            return;
        QContextMenuEvent menu(QContextMenuEvent::Mouse, m_widget->mapFromGlobal(m_at), m_at);
        QCoreApplication::sendEvent(m_widget, &menu);
    });
}

bool LongPress::eventFilter(QObject *object, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        || !object->isWidgetType())
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseButtonPress && mouse->deviceType() == QInputDevice::DeviceType::TouchScreen) {
        m_widget = static_cast<QWidget *>(object);
        m_at = mouse->globalPosition().toPoint();
        m_timer.start();
    } else if (type == QEvent::MouseButtonRelease
               || (mouse->globalPosition().toPoint() - m_at).manhattanLength()
                      > QGuiApplication::styleHints()->startDragDistance()) {
        m_timer.stop();
    }
    return false;
}

bool DistantTaps::eventFilter(QObject *object, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) || !object->isWidgetType())
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->deviceType() != QInputDevice::DeviceType::TouchScreen)
        return false;
    const QPointF at = mouse->globalPosition();
    if (type == QEvent::MouseButtonDblClick) {
        const QPointF apart = at - m_previousTap;
        if (std::max(std::abs(apart.x()), std::abs(apart.y()))
            <= QGuiApplication::styleHints()->touchDoubleTapDistance())
            return false;
        QMouseEvent press(QEvent::MouseButtonPress, mouse->position(), mouse->scenePosition(), at, mouse->button(),
                          mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
        press.setTimestamp(mouse->timestamp());
        QCoreApplication::sendEvent(object, &press);
        event->setAccepted(press.isAccepted());
        return true;
    }
    // A press a parent receives in turn is the same tap.
    if (mouse->timestamp() != m_lastTapTime) {
        m_previousTap = std::exchange(m_lastTap, at);
        m_lastTapTime = mouse->timestamp();
    }
    return false;
}

} // namespace ulvane

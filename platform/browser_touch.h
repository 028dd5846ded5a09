#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace ulvane {

// What a finger on a touch screen needs beyond the left clicks Qt makes of it. Both
// watch the whole application, installed as its event filters; the browser's
// platform installs them, and they are plain Qt.

// A finger held still on a widget asks for its context menu, as a right click does;
// Qt turns a touch into a left click only. The press and release still reach the
// widget; the release then lands on the open menu, which ignores it.
class LongPress : public QObject
{
public:
    explicit LongPress(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QTimer m_timer;
    QPointer<QWidget> m_widget;
    QPoint m_at;
};

// Qt takes two quick taps of a finger for a double click wherever they land: it
// measures their distance only when the pointer moves between them, which a finger
// does not, and a widget then gets the second tap as a double click instead of a
// press. A tap away from the one before is a press of its own, so that a link tapped
// right after a tab acts.
class DistantTaps : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QPointF m_previousTap;
    QPointF m_lastTap;
    quint64 m_lastTapTime = 0;
};

} // namespace ulvane

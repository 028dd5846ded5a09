#include "platform/browser_placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace ulvane {

namespace {

// The start window and the workbook; message boxes are dialogs, which the platform
// shows at their size, centred on their window.
bool isProgramWindow(const QWidget *widget)
{
    return widget->isWindow() && widget->windowType() == Qt::Window;
}

// The screen is the page's canvas: the window, its frame included, goes to the middle.
void centre(QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    const QRect page = window->screen()->availableGeometry();
    const QSize outer = window->size().grownBy(frame);
    const QPoint frameTopLeft(page.x() + std::max(0, (page.width() - outer.width()) / 2),
                              page.y() + std::max(0, (page.height() - outer.height()) / 2));
    window->setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

// The platform draws its own title bar, with a maximise button even for a window of
// fixed size; without the hint it draws none, as desktop window managers do. Nor is
// there a drop shadow beside the frame. The frame's size is known only once the
// window is on the page, after the Show event, so it is centred again then.
void showAtFixedSize(QWidget *window)
{
    if (QWindow *handle = window->windowHandle())
        handle->setFlags((handle->flags() & ~Qt::WindowMaximizeButtonHint) | Qt::NoDropShadowWindowHint);
    centre(window);
    QTimer::singleShot(0, window, [window] { centre(window); });
}

class WindowPlacement : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::WindowStateChange && type != QEvent::Show) || !object->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(object);
        if (!isProgramWindow(widget))
            return false;
        // show() asks for full-screen here; undone before the window is first drawn.
        if (type == QEvent::WindowStateChange && widget->windowState().testFlag(Qt::WindowFullScreen))
            widget->setWindowState(widget->windowState() & ~Qt::WindowFullScreen);
        else if (type == QEvent::Show)
            showAtFixedSize(widget);
        return false;
    }
};

} // namespace

void placeWindowsOnThePage()
{
    qApp->installEventFilter(new WindowPlacement(qApp));
    QObject::connect(QGuiApplication::primaryScreen(), &QScreen::geometryChanged, qApp, [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && isProgramWindow(widget))
                centre(widget);
        }
    });
}

} // namespace ulvane

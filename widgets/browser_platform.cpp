#include "widgets/platform.h"

#include "widgets/fonts.h"
#include "widgets/output_box.h"
#include "widgets/tab_container.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QStackedWidget>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

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

// A result box that shows a number tells the page on which tab of how many: the
// page's learning-system bridge counts a study as done once its tab has shown one.
void reportResult(const OutputBox *box)
{
    using emscripten::val;
    for (const QWidget *page = box; page->parentWidget(); page = page->parentWidget()) {
        const auto *pages = qobject_cast<const QStackedWidget *>(page->parentWidget());
        if (!pages || !qobject_cast<const TabContainer *>(pages->parentWidget()))
            continue;
        val detail = val::object();
        detail.set("tab", pages->indexOf(page));
        detail.set("tabs", pages->count());
        val init = val::object();
        init.set("detail", detail);
        val::global("window").call<void>("dispatchEvent",
                                         val::global("CustomEvent").new_(std::string("ulvane-result"), init));
        return;
    }
}

void watchResults(QWidget *window)
{
    for (OutputBox *box : window->findChildren<OutputBox *>()) {
        if (box->property("ulvaneWatched").toBool())
            continue;
        box->setProperty("ulvaneWatched", true);
        QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
            if (!text.isEmpty())
                reportResult(box);
        });
    }
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
        else if (type == QEvent::Show) {
            showAtFixedSize(widget);
            watchResults(widget);
        }
        return false;
    }
};

// A finger held still on a widget asks for its context menu, as a right click does;
// Qt turns a touch into a left click only. The press and release still reach the
// widget; the release then lands on the open menu, which ignores it.
class LongPress : public QObject
{
public:
    explicit LongPress(QObject *parent) : QObject(parent)
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

protected:
    bool eventFilter(QObject *object, QEvent *event) override
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
    bool eventFilter(QObject *object, QEvent *event) override
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
            QMouseEvent press(QEvent::MouseButtonPress, mouse->position(), mouse->scenePosition(), at,
                              mouse->button(), mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
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

private:
    QPointF m_previousTap;
    QPointF m_lastTap;
    quint64 m_lastTapTime = 0;
};

void registerLayoutFaces()
{
    const QDir faces(QStringLiteral(":/ulvane/fonts"));
    for (const QString &file : faces.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(faces.filePath(file));
}

// The platform writes window titles in HTML, in a face the page may lack: they get
// the layout's sans face, which travels inside the program, at the dialog size. The
// platform's styles live in a shadow root inside each screen's element. They forbid
// the browser every touch gesture on a window; pinching zooms the page again.
void styleWindows()
{
    using emscripten::val;
    QFile face(QStringLiteral(":/ulvane/fonts/LiberationSans-Regular.ttf"));
    if (!face.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = face.readAll();
    const val view(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char *>(bytes.data())));
    const val document = val::global("document");
    const val fontFace = val::global("FontFace").new_(std::string("Ulvane Sans"), view.call<val>("slice"));
    document["fonts"].call<void>("add", fontFace);
    fontFace.call<val>("load");

    const std::string css = ".title-bar .window-name { font: " +
        std::to_string(QFontInfo(QApplication::font()).pixelSize()) + "px 'Ulvane Sans', sans-serif; }" +
        ".qt-screen div { touch-action: pinch-zoom; }";
    const val screens = val::module_property("qtContainerElements");
    for (int i = 0; i < screens["length"].as<int>(); ++i) {
        const val host = screens[i].call<val>("querySelector", std::string("#qt-shadow-container"));
        if (host.isNull() || host["shadowRoot"].isNull())
            continue;
        val style = document.call<val>("createElement", std::string("style"));
        style.set("textContent", css);
        host["shadowRoot"].call<void>("appendChild", style);
    }
}

// A nested event loop in the browser needs Asyncify, which makes the program a
// quarter larger; an application-modal box blocks the student just the same.
class PageMessageBox : public MessageBox
{
public:
    void show(QWidget *parent, const QString &text) override
    {
        auto *box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Ulvane"), text, QMessageBox::Ok, parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        box->show();
    }
};

} // namespace

QString platformSansFamily()
{
    return layoutFamily(Typeface::Sans);
}

std::unique_ptr<MessageBox> makePlatformMessageBox()
{
    return std::make_unique<PageMessageBox>();
}

void setUpPlatform()
{
    registerLayoutFaces();
    // Message boxes and Qt's own texts in the layout's dialog face, not Qt's fallback.
    QApplication::setFont(layoutFont(DialogFont));
    styleWindows();

    qApp->installEventFilter(new WindowPlacement(qApp));
    qApp->installEventFilter(new LongPress(qApp));
    qApp->installEventFilter(new DistantTaps(qApp));
    QObject::connect(QGuiApplication::primaryScreen(), &QScreen::geometryChanged, qApp, [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && isProgramWindow(widget))
                centre(widget);
        }
    });
    // The hand-over closes the start window before the workbook shows: only when no
    // window has come back once the events have been handled is the work finished.
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [] {
        QTimer::singleShot(0, qApp, [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            if (std::any_of(windows.begin(), windows.end(), [](const QWidget *w) { return w->isVisible(); }))
                return;
            const emscripten::val page = emscripten::val::global("window");
            page.call<void>("dispatchEvent",
                            emscripten::val::global("Event").new_(std::string("ulvane-finished")));
        });
    });
}

} // namespace ulvane

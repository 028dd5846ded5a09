#include "platform/browser_touch.h"
#include "widgets/fonts.h"
#include "widgets/link_label.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace ulvane {
namespace {

// A widget that takes presses, as a text box does, and counts the context menus
// asked of it.
class MenuCounter : public QWidget
{
public:
    int menus = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void contextMenuEvent(QContextMenuEvent *) override { ++menus; }
};

// A window with a plain widget on the left and a link on the right, touched by a
// finger of a touch screen, with both filters watching the application.
class TouchTest : public testing::Test
{
protected:
    void SetUp() override
    {
        QGuiApplication::styleHints()->setMousePressAndHoldInterval(HoldMs);
        longPress = std::make_unique<LongPress>();
        distantTaps = std::make_unique<DistantTaps>();
        qApp->installEventFilter(longPress.get());
        qApp->installEventFilter(distantTaps.get());
        auto *row = new QHBoxLayout(&window);
        row->addWidget(other);
        row->addWidget(link);
        window.resize(400, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(link, &LinkLabel::clicked, [this] { ++clicks; });
    }

    void TearDown() override { QGuiApplication::styleHints()->setMousePressAndHoldInterval(-1); }

    // A finger's tap as Qt delivers it in the browser: a press, then, where Qt takes
    // it for the second tap of two, a double click, and the release.
    void tap(QWidget *widget, bool takenForSecond)
    {
        ++m_time;
        send(widget, QEvent::MouseButtonPress);
        if (takenForSecond)
            send(widget, QEvent::MouseButtonDblClick);
        send(widget, QEvent::MouseButtonRelease);
    }

    static constexpr int HoldMs = 100;
    static inline QPointingDevice *finger = QTest::createTouchDevice();
    std::unique_ptr<LongPress> longPress;
    std::unique_ptr<DistantTaps> distantTaps;
    QWidget window;
    MenuCounter *other = new MenuCounter;
    LinkLabel *link = new LinkLabel(QStringLiteral("Вперед >>"), colours::LinkBlue, layoutFont(BoldFont));
    int clicks = 0;

private:
    void send(QWidget *widget, QEvent::Type type)
    {
        const QPointF at = widget->rect().center();
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, at, widget->mapToGlobal(at), Qt::LeftButton, held, {}, finger);
        event.setTimestamp(m_time);
        QApplication::sendEvent(widget, &event);
    }

    quint64 m_time = 1000;
};

// Held still past the interval, a finger opens the menu; moved or lifted first, not.
TEST_F(TouchTest, AHeldFingerOpensTheContextMenu)
{
    const struct { const char *name; QPoint moved; bool lifted; int menus; } cases[] = {
        {"held_still", {0, 0}, false, 1},
        {"held_with_a_tremble", {1, 1}, false, 1},
        {"lifted_at_once", {0, 0}, true, 0},
        {"dragged_away", {40, 0}, false, 0},
    };
    for (const auto &c : cases) {
        other->menus = 0;
        const QPoint at = other->mapTo(&window, other->rect().center());
        QTest::touchEvent(&window, finger).press(0, at, &window);
        if (c.moved != QPoint())
            QTest::touchEvent(&window, finger).move(0, at + c.moved, &window);
        if (c.lifted)
            QTest::touchEvent(&window, finger).release(0, at + c.moved, &window);
        QTest::qWait(3 * HoldMs);
        if (!c.lifted)
            QTest::touchEvent(&window, finger).release(0, at + c.moved, &window);
        EXPECT_EQ(other->menus, c.menus) << c.name;
        // Past the double-tap interval, so the next case starts afresh.
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    }
}

// Two quick taps are one double tap only where they land together: a tap on the
// link acts once, whatever was tapped before.
TEST_F(TouchTest, TapsActOnTheLinkOnce)
{
    const struct { const char *name; QWidget *first; int clicks; } cases[] = {
        {"one_tap_on_the_link", nullptr, 1},
        {"a_tap_elsewhere_then_on_the_link", other, 1},
        {"a_double_tap_on_the_link", link, 1},
    };
    for (const auto &c : cases) {
        clicks = 0;
        if (c.first)
            tap(c.first, false);
        tap(link, c.first != nullptr);
        EXPECT_EQ(clicks, c.clicks) << c.name;
    }
}

} // namespace
} // namespace ulvane

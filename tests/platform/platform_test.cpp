#include "platform/browser_touch.h"
#include "widgets/fonts.h"
#include "widgets/link_label.h"
#include "widgets/masked_box.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace ulvane {
namespace {

QStringList said;

void keepMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    said << text;
}

// The widget tests start as the program does; a release build's console gets Qt's
// warnings but none of its debug lines, of its own categories or plain ones.
TEST(StartUpTest, ReleaseBuildsKeepDebugLinesOffTheConsole)
{
    said.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    const QLoggingCategory pages("ulvane.pages");
    qDebug("TODO: implement handleRadioButtonUpdate");
    qCDebug(pages, "an element");
    qWarning("a warning");
    qCWarning(pages, "a warning of a category");
    qCritical("an error");
    qInstallMessageHandler(previous);
#ifdef QT_NO_DEBUG
    EXPECT_EQ(said, QStringList({"a warning", "a warning of a category", "an error"}));
#else
    EXPECT_EQ(said, QStringList({"TODO: implement handleRadioButtonUpdate", "an element", "a warning",
                                 "a warning of a category", "an error"}));
#endif
}

// The browser build's faces hold only the characters of platform/browser_characters.txt
// (and that build checks each cut face has them all), so every text the program can
// show must be made of them, or the browser draws empty boxes.
QString readFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The program's own texts (layout rows, messages, catalogue entries, conclusions)
// are all string literals in its sources; between them they hold every character a
// number is written with.
QStringList programTexts()
{
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    QStringList texts;
    for (const char *folder : {"app", "platform", "widgets", "workbook", "calc"}) {
        QDirIterator files(QStringLiteral(ULVANE_SOURCE_DIR "/") + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
        while (files.hasNext()) {
            const QString source = readFile(files.next());
            for (const QRegularExpressionMatch &match : literal.globalMatch(source))
                texts << match.captured(1);
        }
    }
    return texts;
}

// Qt's own texts that appear, in Russian as the program installs them: a box's
// context menu and the message boxes' button.
QStringList qtTexts()
{
    QStringList texts;
    MaskedBox box(QStringLiteral("#.##"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    for (const QAction *action : menu->actions())
        texts << action->text() << action->shortcut().toString(QKeySequence::NativeText);
    const QMessageBox message(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
    for (const QAbstractButton *button : message.buttons())
        texts << button->text();
    return texts;
}

TEST(BrowserFaces, HoldEveryCharacterOfEveryTextTheProgramShows)
{
    const QString characters = readFile(QStringLiteral(ULVANE_SOURCE_DIR "/platform/browser_characters.txt"));
    const QStringList qt = qtTexts();
    EXPECT_TRUE(qt.join(QString()).contains(QStringLiteral("Копировать")));
    const QStringList texts = programTexts() + qt;
    EXPECT_GT(texts.size(), 500);
    for (const QString &text : texts) {
        for (const QChar c : text) {
            if (c.isPrint()) {
                EXPECT_TRUE(characters.contains(c)) << QString(c).toStdString() << " in " << text.toStdString();
            }
        }
    }
}

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

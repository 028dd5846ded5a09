#pragma once

#include <QTest>
#include <QWidget>

namespace ulvane::student {

// What a student does with the mouse and keyboard, on controls found by name.
template<typename Control = QWidget>
Control *find(QWidget *window, const char *name)
{
    auto *control = window->findChild<Control *>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control named %s", name);
    return control;
}

inline void click(QWidget *window, const char *name)
{
    QWidget *control = find(window, name);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// Clicks into a box at its first position, as a student does before typing.
inline void clickInto(QWidget *window, const char *name)
{
    QWidget *box = find(window, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, box->height() / 2));
}

inline void typeInto(QWidget *window, const char *name, const QString &keys)
{
    clickInto(window, name);
    QTest::keyClicks(find(window, name), keys);
}

// A key goes where the keyboard focus is, as on a real keyboard.
inline void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key, modifiers);
}

inline void pressTab(QWidget *window)
{
    pressKey(window, Qt::Key_Tab);
}

} // namespace ulvane::student

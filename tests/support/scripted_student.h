#pragma once

#include "widgets/message_box.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <stdexcept>
#include <utility>

namespace ulvane {

class Program;

// Records each message instead of showing it; the student closes it at once.
struct RecordingMessageBox : MessageBox {
    void show(QWidget *, const QString &text) override { shown.append(text); }
    QString take() { return std::exchange(shown, {}).join(QStringLiteral(" | ")); }
    QStringList shown;
};

// A script named a control the open window does not have, or an action there is not.
// It ends the script, and a test ends with it, failed, naming what was missing.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A student at a freshly started program, acting on the controls of the open window
// by their names and reading what they show. The tests and the page pictures tool
// both drive the program through it.
class ScriptedStudent
{
public:
    ScriptedStudent();
    ~ScriptedStudent();

    // A fresh program at its start window.
    void restart();

    // Past the start window with the access code, the given tab in front.
    void openWorkbook(int tab);

    // A window of the program by name, while it is there.
    static QWidget *openWindow(const char *name);

    // The start window until the hand-over, then the workbook.
    QWidget *window() const;

    template<typename Control = QWidget>
    Control *find(const QString &name) const
    {
        if (auto *control = name.isEmpty() ? nullptr : window()->findChild<Control *>(name))
            return control;
        throw ScriptError("no control named " + name.toStdString() + " in "
                          + window()->objectName().toStdString());
    }

    // Actions separated by ";": "click X", "release X" (a press that began elsewhere),
    // "dclick X" (a double click as the platform delivers it), "type X keys" (click
    // into X, then type), "key K" (Tab, Alt+Left... where the focus is), "press X" (a
    // screen reader's press), "set X text" (the program sets a box) and "tab N" (a
    // click on a workbook tab).
    void act(const QString &script);

    // Ticks these boxes of the admission test and clears the others.
    void tickExactly(const QStringList &ticked) const;

    // What the control shows, whether or not it is visible now.
    QString shown(const QString &name) const;

    // The controls among names that the student sees, in that order: a label with its
    // caption, a box with its text, "off" when disabled, "✓" when ticked.
    QString seen(const QString &names) const;

    // The order Tab takes through the open window, then every named control and every
    // unnamed line or frame in the order it was built, one line each: its place,
    // whether it shows, its text, mask, font, a label too low for its lines, own
    // colours and how a screen reader names it.
    QStringList described() const;

    // The centre of each named control the student sees there, not covered by
    // another control nor paged out of sight, and of each workbook tab ("tab 0"...),
    // in the open window's client coordinates: where a click reaches it.
    QList<std::pair<QString, QPoint>> centres() const;

    static void activate(QWidget *window);

    // Lets a closed window's deferred deletion happen.
    static void settle();

    RecordingMessageBox messages;
    std::unique_ptr<Program> program;
};

} // namespace ulvane

#pragma once

#include "app/program.h"
#include "platform/platform.h"
#include "widgets/message_box.h"
#include "widgets/tab_container.h"

#include <QAbstractButton>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <utility>

namespace ulvane {

// Records each message instead of showing it; the student closes it at once.
struct RecordingMessageBox : MessageBox {
    void show(QWidget *, const QString &text) override { shown.append(text); }
    QString take() { return std::exchange(shown, {}).join(QStringLiteral(" | ")); }
    QStringList shown;
};

// Takes what the program tells its platform down in words, and shows its messages in
// the given box.
struct RecordingPlatform : Platform {
    explicit RecordingPlatform(MessageBox &box) : box(box) {}
    MessageBox &messages() override { return box; }
    void workbookOpened(WayIn way) override
    {
        told.append(way == WayIn::AccessCode ? QStringLiteral("in by code") : QStringLiteral("in by test"));
    }
    // "result 0 of 2: influence МКСБ 1х4; ρ=100**; … → E=…; …", the record's
    // entries as name=text, or the text alone where there is no name.
    void studyShownResult(int study, int studies, const StudyRecord &record) override
    {
        const auto entries = [](const std::vector<RecordEntry> &list) {
            QStringList texts;
            for (const auto &[name, text] : list)
                texts.append(QString::fromStdString(name.empty() ? text : name + "=" + text));
            return texts.join(QStringLiteral("; "));
        };
        told.append(QStringLiteral("result %1 of %2: %3 %4; %5 → %6")
                        .arg(study)
                        .arg(studies)
                        .arg(QString::fromStdString(record.Study), QString::fromStdString(record.Cable),
                             entries(record.Inputs), entries(record.Shown)));
    }
    void workFinished() override { told.append(QStringLiteral("finished")); }
    QString take() { return std::exchange(told, {}).join(QStringLiteral(" | ")); }
    MessageBox &box;
    QStringList told;
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
    // A fresh program at its start window.
    void restart()
    {
        program.reset();
        messages.shown.clear();
        platform.told.clear();
        program = std::make_unique<Program>(platform);
        program->start();
        activate(openWindow("Form1"));
    }

    // Past the start window with the access code, the given tab in front.
    void openWorkbook(int tab)
    {
        act("type Text1 R2864; click Command1");
        activate(openWindow("Form2"));
        act(QStringLiteral("tab %1").arg(tab));
    }

    // A window of the program by name, while it is there.
    static QWidget *openWindow(const char *name)
    {
        settle();
        for (QWidget *topLevel : QApplication::topLevelWidgets()) {
            if (topLevel->objectName() == QLatin1String(name))
                return topLevel;
        }
        return nullptr;
    }

    // The start window until the hand-over, then the workbook.
    QWidget *window() const
    {
        if (QWidget *start = openWindow("Form1"))
            return start;
        if (QWidget *workbook = openWindow("Form2"))
            return workbook;
        throw ScriptError("no window of the program is open");
    }

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
    void act(const QString &script)
    {
        for (const QString &action : script.split(u';', Qt::SkipEmptyParts)) {
            const QStringList words = action.trimmed().split(u' ');
            const QString &verb = words[0];
            const QString rest = words.mid(2).join(u' ');
            QWidget *control = verb == u"key" || verb == u"tab" ? nullptr : find(words.value(1));
            if (verb == u"click") {
                QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
            } else if (verb == u"release") {
                QTest::mouseRelease(control, Qt::LeftButton, {}, control->rect().center());
            } else if (verb == u"dclick") {
                QTest::mouseDClick(control->window()->windowHandle(), Qt::LeftButton, {},
                                   control->mapTo(control->window(), control->rect().center()));
            } else if (verb == u"type") {
                QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(3, control->height() / 2));
                QTest::keyClicks(control, rest);
            } else if (verb == u"key") {
                const QKeyCombination keys = QKeySequence::fromString(words.value(1))[0];
                QWidget *focused = QApplication::focusWidget();
                QTest::keyClick(focused ? focused : window(), keys.key(), keys.keyboardModifiers());
            } else if (verb == u"press") {
                QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            } else if (verb == u"set") {
                qobject_cast<QLineEdit *>(control)->setText(rest);
            } else if (verb == u"tab") {
                auto *tabs = find(QStringLiteral("SSTab1"))->findChild<QTabBar *>();
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(words.value(1).toInt()).center());
            } else {
                throw ScriptError("no such action: " + action.toStdString());
            }
        }
    }

    // Ticks these boxes of the admission test and clears the others.
    void tickExactly(const QStringList &ticked) const
    {
        for (QCheckBox *box : window()->findChildren<QCheckBox *>())
            box->setChecked(ticked.contains(box->objectName()));
    }

    // What the control shows, whether or not it is visible now.
    QString shown(const QString &name) const
    {
        QWidget *control = find(name);
        if (auto *label = qobject_cast<QLabel *>(control))
            return label->text();
        if (auto *box = qobject_cast<QLineEdit *>(control))
            return box->displayText();
        return qobject_cast<QAbstractButton *>(control)->text();
    }

    // The controls among names that the student sees, in that order: a label with its
    // caption, a box with its text, "off" when disabled, "✓" when ticked.
    QString seen(const QString &names) const
    {
        QStringList parts;
        for (const QString &name : names.split(u' ')) {
            QWidget *control = find(name);
            if (!control->isVisible())
                continue;
            QString part = name + (control->isEnabled() ? "" : " off");
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                part += button->isChecked() ? " ✓" : "";
            else if (qobject_cast<QLabel *>(control) || qobject_cast<QLineEdit *>(control))
                part += QStringLiteral(" «%1»").arg(shown(name));
            parts.append(part);
        }
        return parts.join(u' ');
    }

    // The open window as a screen reader names it, the order Tab takes through it,
    // then every named control and every unnamed line or frame in the order it was
    // built, one line each: its place, whether it shows, its text, mask, font, a label
    // too low for its lines, own colours and how a screen reader names it. A screen
    // reader takes the nearest window around the focus for the window the student is
    // in, so anything inside that looks like one is listed too.
    QStringList described() const
    {
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(window());
        QStringList lines{QStringLiteral("%1 «%2» role %3")
                              .arg(window()->objectName(), spoken->text(QAccessible::Name))
                              .arg(int(spoken->role()))};
        QStringList tabOrder;
        for (QWidget *control = window()->nextInFocusChain(); control != window(); control = control->nextInFocusChain()) {
            if (isNamedControl(control) && control->focusPolicy() & Qt::TabFocus)
                tabOrder.append(control->objectName());
        }
        lines.append("Tab: " + tabOrder.join(u' '));
        for (QWidget *control : window()->findChildren<QWidget *>()) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            if (accessible->role() == QAccessible::Window || accessible->role() == QAccessible::Border)
                lines.append(control->objectName() + " looks like a window");
            if (!isNamedControl(control) && !isUnnamedFrame(control))
                continue;
            const QString name = isNamedControl(control)
                                     ? control->objectName()
                                     : "(unnamed in " + control->parentWidget()->objectName() + ")";
            const QRect place = control->geometry();
            const QFont font = control->font();
            QString line = QStringLiteral("%1 %2 %3,%4 %5x%6%7 %8 %9px%10%11%12")
                               .arg(name, control->metaObject()->className())
                               .arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height())
                               .arg(control->isVisibleTo(window()) ? "" : " hidden", font.family())
                               .arg(font.pixelSize())
                               .arg(font.bold() ? " bold" : "", font.italic() ? " italic" : "",
                                    font.underline() ? " underline" : "");
            if (auto *label = qobject_cast<QLabel *>(control); label && !label->wordWrap()
                && label->contentsRect().height() < label->fontMetrics().height() * (label->text().trimmed().count(u'\n') + 1))
                line += " clipped";
            for (const char *property : {"inputMask", "alignment"}) {
                if (const QVariant value = control->property(property); value.isValid())
                    line += ' ' + QString::fromLatin1(property) + ' ' + value.toString();
            }
            if (auto *button = qobject_cast<QAbstractButton *>(control); button && button->isChecked())
                line += " ✓";
            if (auto *tabs = qobject_cast<TabContainer *>(control) ? control->findChild<QTabBar *>() : nullptr) {
                line += QStringLiteral(" tabs %1x%2 in %3, %4 in front").arg(tabs->width()).arg(tabs->height())
                            .arg(tabs->font().family()).arg(tabs->currentIndex());
                for (int tab = 0; tab < tabs->count(); ++tab)
                    line += " «" + tabs->tabText(tab) + "»";
            }
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::Button}) {
                if (control->palette().isBrushSet(QPalette::Active, role))
                    line += ' ' + control->palette().color(role).name();
            }
            // A fill in the platform's button colour differs between platforms by design.
            if (const QColor fill = control->palette().color(QPalette::Window); control->autoFillBackground())
                line += " filled " + (fill == QApplication::palette().color(QPalette::Button) ? "button" : fill.name());
            QString text;
            if (qobject_cast<QLabel *>(control) || qobject_cast<QLineEdit *>(control)
                || qobject_cast<QAbstractButton *>(control))
                line += " «" + (text = shown(control->objectName())) + "»";
            line += QStringLiteral(" role %1").arg(int(accessible->role()));
            if (const QString spoken = accessible->text(QAccessible::Name); spoken != text)
                line += " named «" + spoken + "»";
            line += control->toolTip().isEmpty() ? "" : " tip «" + control->toolTip() + "»";
            lines.append(line.replace(u'\n', QStringLiteral("\\n")));
        }
        return lines;
    }

    static void activate(QWidget *window)
    {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            throw ScriptError(window->objectName().toStdString() + " did not become the active window");
    }

    // Lets a closed window's deferred deletion happen.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The controls the program names; Qt's own parts of a tab row are not among them.
    static bool isNamedControl(const QWidget *control)
    {
        return !control->objectName().isEmpty() && !control->objectName().startsWith("qt_")
               && !qobject_cast<QTabBar *>(control->parentWidget());
    }

    // The lines and frames of a layout table that need no name: a moved one shows only
    // in the picture.
    static bool isUnnamedFrame(const QWidget *control)
    {
        return control->objectName().isEmpty() && control->metaObject() == &QFrame::staticMetaObject;
    }

    RecordingMessageBox messages;
    RecordingPlatform platform{messages};
    std::unique_ptr<Program> program;
};

} // namespace ulvane

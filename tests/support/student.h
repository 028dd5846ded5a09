#pragma once

#include "app/program.h"
#include "app/start_window.h"
#include "platform/platform.h"
#include "widgets/message_box.h"
#include "widgets/tab_container.h"
#include "workbook/workbook_window.h"

#include <QAbstractButton>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Lets a failing expectation print the texts it compared.
inline std::ostream &operator<<(std::ostream &out, const QString &text)
{
    return out << text.toStdString();
}

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
    void studyShownResult(int study, int studies) override
    {
        told.append(QStringLiteral("result %1 of %2").arg(study).arg(studies));
    }
    void workFinished() override { told.append(QStringLiteral("finished")); }
    QString take() { return std::exchange(told, {}).join(QStringLiteral(" | ")); }
    MessageBox &box;
    QStringList told;
};

// The boxes of the admission test that pass it; question five counts for nothing.
inline const QStringList AnswerKey = {"Check1", "Check2", "Check3", "Check15", "Check4",
                                      "Check18", "Check8", "Check9", "Check10"};

// A student at a freshly started program, acting on the controls of the open window
// by their names and reading what they show.
class StudentTest : public testing::Test
{
protected:
    void SetUp() override { restart(); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

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
        QWidget *start = openWindow("Form1");
        return start ? start : openWindow("Form2");
    }

    template<typename Control = QWidget>
    Control *find(const QString &name) const
    {
        auto *control = window()->findChild<Control *>(name);
        if (!control)
            qFatal("no control named %s", qPrintable(name));
        return control;
    }

    // Actions separated by ";": "click X", "release X" (a press that began elsewhere),
    // "dclick X" (a double click as the platform delivers it), "type X keys" (click
    // into X, then type), "key K" (Tab, Alt+Left... where the focus is), "press X" (a
    // screen reader's press), "set X text" (the program sets a box), "tab N" (a click
    // on a workbook tab) and "shot NAME" (a picture of the window into the folder
    // ULVANE_SCREENSHOTS names, if it does).
    void act(const QString &script)
    {
        for (const QString &action : script.split(u';', Qt::SkipEmptyParts)) {
            const QStringList words = action.trimmed().split(u' ');
            const QString &verb = words[0];
            const QString rest = words.mid(2).join(u' ');
            QWidget *control = verb == u"key" || verb == u"tab" || verb == u"shot" ? nullptr : find(words[1]);
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
                const QKeyCombination keys = QKeySequence::fromString(words[1])[0];
                QWidget *focused = QApplication::focusWidget();
                QTest::keyClick(focused ? focused : window(), keys.key(), keys.keyboardModifiers());
            } else if (verb == u"press") {
                QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            } else if (verb == u"set") {
                qobject_cast<QLineEdit *>(control)->setText(rest);
            } else if (verb == u"shot") {
                if (const QString folder = qEnvironmentVariable("ULVANE_SCREENSHOTS"); !folder.isEmpty())
                    window()->grab().save(QDir(folder).filePath(words[1] + ".png"));
            } else if (verb == u"tab") {
                auto *tabs = find(QStringLiteral("SSTab1"))->findChild<QTabBar *>();
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(words[1].toInt()).center());
            } else {
                FAIL() << "no such action: " << action;
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

    // The order Tab takes through the open window, then every named control in the
    // order it was built, one line each: its place, whether it shows, its text, mask,
    // font, a label too low for its lines, own colours and how a screen reader names it.
    QStringList described() const
    {
        auto ours = [](QWidget *control) {
            return !control->objectName().isEmpty() && !control->objectName().startsWith("qt_")
                   && !qobject_cast<QTabBar *>(control->parentWidget());
        };
        QStringList lines{window()->objectName() + " «" + window()->windowTitle() + "»"};
        QStringList tabOrder;
        for (QWidget *control = window()->nextInFocusChain(); control != window(); control = control->nextInFocusChain()) {
            if (ours(control) && control->focusPolicy() & Qt::TabFocus)
                tabOrder.append(control->objectName());
        }
        lines.append("Tab: " + tabOrder.join(u' '));
        for (QWidget *control : window()->findChildren<QWidget *>()) {
            if (!ours(control))
                continue;
            const QRect place = control->geometry();
            const QFont font = control->font();
            QString line = QStringLiteral("%1 %2 %3,%4 %5x%6%7 %8 %9px%10%11%12")
                               .arg(control->objectName(), control->metaObject()->className())
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
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            line += QStringLiteral(" role %1").arg(int(accessible->role()));
            if (const QString name = accessible->text(QAccessible::Name); name != text)
                line += " named «" + name + "»";
            line += control->toolTip().isEmpty() ? "" : " tip «" + control->toolTip() + "»";
            lines.append(line.replace(u'\n', QStringLiteral("\\n")));
        }
        return lines;
    }

    static void activate(QWidget *window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Lets a closed window's deferred deletion happen.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    RecordingMessageBox messages;
    RecordingPlatform platform{messages};
    std::unique_ptr<Program> program;
};

} // namespace ulvane

#include "support/scripted_student.h"

#include "app/program.h"
#include "widgets/tab_container.h"

#include <QAbstractButton>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

namespace ulvane {

namespace {

// The controls the program names; Qt's own parts of a tab row are not among them.
bool isNamed(const QWidget *control)
{
    return !control->objectName().isEmpty() && !control->objectName().startsWith("qt_")
           && !qobject_cast<QTabBar *>(control->parentWidget());
}

// The lines and frames of a layout table that need no name: a moved one shows only
// in the picture.
bool isUnnamedFrame(const QWidget *control)
{
    return control->objectName().isEmpty() && control->metaObject() == &QFrame::staticMetaObject;
}

QTabBar *workbookTabs(const QWidget *window)
{
    const auto *tabs = window->findChild<TabContainer *>();
    return tabs ? tabs->findChild<QTabBar *>() : nullptr;
}

} // namespace

ScriptedStudent::ScriptedStudent() = default;

ScriptedStudent::~ScriptedStudent() = default;

void ScriptedStudent::restart()
{
    program.reset();
    messages.shown.clear();
    program = std::make_unique<Program>(messages);
    program->start();
    activate(openWindow("Form1"));
}

void ScriptedStudent::openWorkbook(int tab)
{
    act("type Text1 R2864; click Command1");
    activate(openWindow("Form2"));
    act(QStringLiteral("tab %1").arg(tab));
}

QWidget *ScriptedStudent::openWindow(const char *name)
{
    settle();
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->objectName() == QLatin1String(name))
            return topLevel;
    }
    return nullptr;
}

QWidget *ScriptedStudent::window() const
{
    if (QWidget *start = openWindow("Form1"))
        return start;
    if (QWidget *workbook = openWindow("Form2"))
        return workbook;
    throw ScriptError("no window of the program is open");
}

void ScriptedStudent::act(const QString &script)
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

void ScriptedStudent::tickExactly(const QStringList &ticked) const
{
    for (QCheckBox *box : window()->findChildren<QCheckBox *>())
        box->setChecked(ticked.contains(box->objectName()));
}

QString ScriptedStudent::shown(const QString &name) const
{
    QWidget *control = find(name);
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *box = qobject_cast<QLineEdit *>(control))
        return box->displayText();
    return qobject_cast<QAbstractButton *>(control)->text();
}

QString ScriptedStudent::seen(const QString &names) const
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

QStringList ScriptedStudent::described() const
{
    QStringList lines{window()->objectName() + " «" + window()->windowTitle() + "»"};
    QStringList tabOrder;
    for (QWidget *control = window()->nextInFocusChain(); control != window(); control = control->nextInFocusChain()) {
        if (isNamed(control) && control->focusPolicy() & Qt::TabFocus)
            tabOrder.append(control->objectName());
    }
    lines.append("Tab: " + tabOrder.join(u' '));
    for (QWidget *control : window()->findChildren<QWidget *>()) {
        if (!isNamed(control) && !isUnnamedFrame(control))
            continue;
        const QString name = isNamed(control) ? control->objectName()
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
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        line += QStringLiteral(" role %1").arg(int(accessible->role()));
        if (const QString spoken = accessible->text(QAccessible::Name); spoken != text)
            line += " named «" + spoken + "»";
        line += control->toolTip().isEmpty() ? "" : " tip «" + control->toolTip() + "»";
        lines.append(line.replace(u'\n', QStringLiteral("\\n")));
    }
    return lines;
}

QList<std::pair<QString, QPoint>> ScriptedStudent::centres() const
{
    QWidget *open = window();
    QList<std::pair<QString, QPoint>> centres;
    for (QWidget *control : open->findChildren<QWidget *>()) {
        const QPoint centre = control->rect().center();
        if (isNamed(control) && control->isVisible() && control->visibleRegion().contains(centre))
            centres.append({control->objectName(), control->mapTo(open, centre)});
    }
    if (QTabBar *tabs = workbookTabs(open)) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            centres.append({QStringLiteral("tab %1").arg(tab), tabs->mapTo(open, tabs->tabRect(tab).center())});
    }
    return centres;
}

void ScriptedStudent::activate(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        throw ScriptError(window->objectName().toStdString() + " did not become the active window");
}

void ScriptedStudent::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace ulvane

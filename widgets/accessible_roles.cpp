#include "widgets/accessible_roles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ulvane {

namespace {

// Asked for each class of a widget's ancestry in turn, before Qt's own factory; a
// class it leaves (nullptr) goes on to Qt's.
QAccessibleInterface *windowOrPanel(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("QWidget") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("QFrame"))
        return new QAccessibleWidget(widget, QAccessible::Pane);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(windowOrPanel);
        return true;
    }();
}

} // namespace ulvane

#include "widgets/form_builder.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace ulvane {

QLabel *addLabel(QWidget *parent, const char *name, const QString &caption, int left, int top,
                 int width, int height, const QFont &font, Qt::Alignment alignment)
{
    auto *label = place(new QLabel(caption, parent), name, left, top, width, height);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

QPushButton *addCommandButton(QWidget *parent, const char *name, const QString &caption, int left,
                              int top, int width, int height)
{
    auto *button = place(new QPushButton(caption, parent), name, left, top, width, height);
    button->setFont(sansFont(13.5));
    // Return and Enter press the focused button, as Space does.
    button->setAutoDefault(true);
    QPalette grey = button->palette();
    grey.setColor(QPalette::Button, colours::ButtonGrey);
    button->setPalette(grey);
    return button;
}

QFrame *addLine(QWidget *parent, int x1, int y1, int x2, int y2)
{
    auto *line = new QFrame(parent);
    const QRect from = twipsRect(x1, y1, 0, 0);
    const QRect to = twipsRect(x2, y2, 0, 0);
    line->setGeometry(from.x(), from.y(), qMax(1, to.x() - from.x()), qMax(1, to.y() - from.y()));
    fillBackground(line, colours::GridLine);
    return line;
}

QFrame *addPanel(QWidget *parent, const char *name, int left, int top, int width, int height,
                 const QColor &background)
{
    auto *panel = place(new QFrame(parent), name, left, top, width, height);
    fillBackground(panel, background);
    return panel;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette coloured = widget->palette();
    coloured.setColor(QPalette::WindowText, colour);
    widget->setPalette(coloured);
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    QPalette filled = widget->palette();
    filled.setColor(QPalette::Window, colour);
    widget->setPalette(filled);
    widget->setAutoFillBackground(true);
}

} // namespace ulvane

#pragma once

#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QString>
#include <QWidget>

#include <string_view>

class QFrame;
class QLabel;
class QPushButton;

namespace ulvane {

inline QString qtText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Places a control of the layout: its objectName and its rect in twips.
template<typename Control>
Control *place(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &caption, int left, int top,
                 int width, int height, const QFont &font = sansFont(DialogFontPoints),
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A push button of the start window: 13.5 pt on light grey, pressed by Space, Return
// or Enter while it has the focus.
QPushButton *addCommandButton(QWidget *parent, const char *name, const QString &caption, int left,
                              int top, int width, int height);

// A thin black line between two points in twips; one of the two directions is flat.
QFrame *addLine(QWidget *parent, int x1, int y1, int x2, int y2);

// A frame without border or caption, filled with a background colour.
QFrame *addPanel(QWidget *parent, const char *name, int left, int top, int width, int height,
                 const QColor &background);

void fillBackground(QWidget *widget, const QColor &colour);
void setTextColour(QWidget *widget, const QColor &colour);

} // namespace ulvane

#pragma once

#include "widgets/fonts.h"
#include "widgets/twips.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <span>
#include <variant>

namespace ulvane {

enum class ControlKind {
    Label,
    WrappedLabel,
    Prompt, // a label naming the box in the next row: its buddy
    HeaderCell, // a boxed label on the button colour; "\r\n" breaks its lines
    ForwardLink,
    BackLink,
    Panel, // a frame without border or caption, filled with its colour if it names one
    Shape, // a rectangle
    GroupBox, // a frame with a caption, filled with its colour if it names one
    Line, // a thin black line; its rect holds the two ends x1, y1, x2, y2
    CommandButton,
    CheckBox,
    TextBox, // its character limit
    MaskEdBox,
    ResultBox, // its character limit; named by the row before, described by the one after
    UpDown, // its paging step
};

struct InputMask {
    const char *digits;
};

struct CharacterLimit {
    int characters;
};

struct PagingStep {
    int twips;
};

// The one setting only some kinds have: a box's mask or limit, the arrows' step, or
// the colour of a text, a link or a panel's fill.
using ControlExtra = std::variant<std::monostate, InputMask, CharacterLimit, PagingStep, QColor>;

inline constexpr Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;
inline constexpr Qt::Alignment TopCentred = Qt::AlignHCenter | Qt::AlignTop;
inline constexpr Qt::Alignment MiddleLeft = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment Centred = Qt::AlignCenter;

// One control of a layout table. Labels and output boxes take the alignment.
struct ControlRow {
    ControlKind kind;
    const char *name;
    const char *text;
    TwipsRect rect;
    TextFont font = DialogFont;
    Qt::Alignment alignment = TopLeft;
    ControlExtra extra = {};
};

// The controls a table placed, by name, for a constructor to bind once. A name no
// row placed, or a control of another kind, stops the program as the page is built.
class PlacedControls
{
public:
    template<typename Control = QWidget>
    Control *get(const char *name) const
    {
        auto *control = qobject_cast<Control *>(m_byName.value(QByteArray(name)));
        if (!control)
            qFatal("no %s named %s was placed", Control::staticMetaObject.className(), name);
        return control;
    }

    void add(const char *name, QWidget *control) { m_byName.insert(QByteArray(name), control); }

    // Places the rows into the control of that name and takes them in; returns it.
    QWidget *placeInto(const char *name, std::span<const ControlRow> rows);

private:
    QHash<QByteArray, QWidget *> m_byName;
};

// Creates the rows' controls in the table's order, which is also the order Tab
// takes through them.
PlacedControls placeRows(QWidget *parent, std::span<const ControlRow> rows);

// Names and places a control made elsewhere.
void place(QWidget *control, const QString &name, const TwipsRect &rect);

void fillBackground(QWidget *widget, const QColor &colour);

} // namespace ulvane

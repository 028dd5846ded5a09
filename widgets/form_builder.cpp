#include "widgets/form_builder.h"

#include "widgets/link_label.h"
#include "widgets/masked_box.h"
#include "widgets/output_box.h"
#include "widgets/spin_arrows.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ulvane {

namespace {

template<typename Extra>
Extra extraOf(const ControlRow &row)
{
    const auto *extra = std::get_if<Extra>(&row.extra);
    Q_ASSERT(extra);
    return *extra;
}

// A label's text breaks its lines with "\r\n".
QLabel *label(const ControlRow &row, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(row.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                             parent);
    label->setAlignment(row.alignment);
    label->setWordWrap(row.kind == ControlKind::WrappedLabel);
    if (const auto *colour = std::get_if<QColor>(&row.extra)) {
        QPalette coloured = label->palette();
        coloured.setColor(QPalette::WindowText, *colour);
        label->setPalette(coloured);
    }
    if (row.kind == ControlKind::HeaderCell) {
        label->setFrameShape(QFrame::Box);
        fillBackground(label, label->palette().color(QPalette::Button));
    }
    return label;
}

QFrame *frame(const QColor &fill, QFrame::Shape shape, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(shape);
    if (fill.isValid())
        fillBackground(frame, fill);
    return frame;
}

QPushButton *commandButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    // Return and Enter press the focused button, as Space does.
    button->setAutoDefault(true);
    QPalette grey = button->palette();
    grey.setColor(QPalette::Button, colours::ButtonGrey);
    button->setPalette(grey);
    return button;
}

QWidget *create(std::span<const ControlRow> rows, std::size_t index, QWidget *parent)
{
    const ControlRow &row = rows[index];
    const QString text = QString::fromUtf8(row.text);
    const auto *colour = std::get_if<QColor>(&row.extra);
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::WrappedLabel:
    case ControlKind::Prompt:
    case ControlKind::HeaderCell:
        return label(row, parent);
    // The window presses the links of the tab in front on Alt+Right and Alt+Left.
    case ControlKind::ForwardLink:
    case ControlKind::BackLink: {
        auto *link = new LinkLabel(text, *colour, layoutFont(row.font), parent);
        link->setToolTip(row.kind == ControlKind::ForwardLink ? QStringLiteral("Alt+→") : QStringLiteral("Alt+←"));
        return link;
    }
    case ControlKind::Panel:
        return frame(colour ? *colour : QColor(), QFrame::NoFrame, parent);
    case ControlKind::Shape:
        return frame(QColor(), QFrame::Box, parent);
    case ControlKind::Line:
        return frame(colours::GridLine, QFrame::NoFrame, parent);
    case ControlKind::GroupBox: {
        auto *box = new QGroupBox(text, parent);
        if (colour)
            fillBackground(box, *colour);
        return box;
    }
    case ControlKind::CommandButton:
        return commandButton(text, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, parent);
        box->setMaxLength(extraOf<CharacterLimit>(row).characters);
        return box;
    }
    case ControlKind::MaskEdBox:
        return new MaskedBox(QString::fromLatin1(extraOf<InputMask>(row).digits), parent);
    case ControlKind::ResultBox: {
        // The words around a result box name and describe it for screen readers.
        Q_ASSERT(index > 0 && index + 1 < rows.size());
        auto *box = new OutputBox(extraOf<CharacterLimit>(row).characters, parent);
        box->setAlignment(row.alignment);
        box->setSurroundingWords(QString::fromUtf8(rows[index - 1].text),
                                 QString::fromUtf8(rows[index + 1].text));
        return box;
    }
    case ControlKind::UpDown:
        return new SpinArrows(extraOf<PagingStep>(row).twips, parent);
    }
    Q_UNREACHABLE();
}

// A line is at least one pixel thick, whichever way it runs.
QRect lineGeometry(const TwipsRect &ends)
{
    const int x = twips(ends.left), y = twips(ends.top);
    return {x, y, qMax(1, twips(ends.width) - x), qMax(1, twips(ends.height) - y)};
}

} // namespace

PlacedControls placeRows(QWidget *parent, std::span<const ControlRow> rows)
{
    PlacedControls placed;
    QLabel *prompt = nullptr;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow &row = rows[i];
        QWidget *control = create(rows, i, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(row.kind == ControlKind::Line ? lineGeometry(row.rect)
                                                           : twipsRect(row.rect));
        control->setFont(layoutFont(row.font));
        if (prompt)
            std::exchange(prompt, nullptr)->setBuddy(control);
        if (row.kind == ControlKind::Prompt)
            prompt = static_cast<QLabel *>(control);
        placed.add(row.name, control);
    }
    return placed;
}

QWidget *PlacedControls::placeInto(const char *name, std::span<const ControlRow> rows)
{
    QWidget *parent = get(name);
    m_byName.insert(placeRows(parent, rows).m_byName);
    return parent;
}

void place(QWidget *control, const QString &name, const TwipsRect &rect)
{
    control->setObjectName(name);
    control->setGeometry(twipsRect(rect));
}

void fillBackground(QWidget *widget, const QColor &colour)
{
    QPalette filled = widget->palette();
    filled.setColor(QPalette::Window, colour);
    widget->setPalette(filled);
    widget->setAutoFillBackground(true);
}

} // namespace ulvane

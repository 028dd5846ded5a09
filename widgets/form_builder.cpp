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

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette coloured = widget->palette();
    coloured.setColor(QPalette::WindowText, colour);
    widget->setPalette(coloured);
}

QLabel *label(const ControlRow &row, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(row.text), parent);
    label->setAlignment(row.alignment);
    if (const auto *colour = std::get_if<QColor>(&row.extra))
        setTextColour(label, *colour);
    return label;
}

QLabel *headerCell(const ControlRow &row, QWidget *parent)
{
    auto *cell = label(row, parent);
    cell->setText(cell->text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    cell->setFrameShape(QFrame::Box);
    fillBackground(cell, cell->palette().color(QPalette::Button));
    return cell;
}

LinkLabel *link(const ControlRow &row, const QString &shortcutTip, QWidget *parent)
{
    auto *link = new LinkLabel(QString::fromUtf8(row.text), extraOf<QColor>(row),
                               layoutFont(row.font), parent);
    // The window presses the links of the tab in front on Alt+Right and Alt+Left.
    link->setToolTip(shortcutTip);
    return link;
}

QFrame *panel(const QColor &fill, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    fillBackground(panel, fill);
    return panel;
}

QGroupBox *groupBox(const ControlRow &row, QWidget *parent)
{
    auto *box = new QGroupBox(QString::fromUtf8(row.text), parent);
    if (const auto *fill = std::get_if<QColor>(&row.extra))
        fillBackground(box, *fill);
    return box;
}

QFrame *outline(QWidget *parent)
{
    auto *outline = new QFrame(parent);
    outline->setFrameShape(QFrame::Box);
    return outline;
}

QPushButton *commandButton(const ControlRow &row, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromUtf8(row.text), parent);
    // Return and Enter press the focused button, as Space does.
    button->setAutoDefault(true);
    QPalette grey = button->palette();
    grey.setColor(QPalette::Button, colours::ButtonGrey);
    button->setPalette(grey);
    return button;
}

QLineEdit *textBox(const ControlRow &row, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setMaxLength(extraOf<CharacterLimit>(row).characters);
    return box;
}

// The words around a result box name and describe it for screen readers.
OutputBox *outputBox(std::span<const ControlRow> rows, std::size_t index, QWidget *parent)
{
    const ControlRow &row = rows[index];
    auto *box = new OutputBox(extraOf<CharacterLimit>(row).characters, parent);
    box->setAlignment(row.alignment);
    box->setSurroundingWords(QString::fromUtf8(rows[index - 1].text),
                             QString::fromUtf8(rows[index + 1].text));
    return box;
}

QWidget *create(std::span<const ControlRow> rows, std::size_t index, QWidget *parent)
{
    const ControlRow &row = rows[index];
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Prompt:
        return label(row, parent);
    case ControlKind::WrappedLabel: {
        QLabel *wrapped = label(row, parent);
        wrapped->setWordWrap(true);
        return wrapped;
    }
    case ControlKind::HeaderCell:
        return headerCell(row, parent);
    case ControlKind::ForwardLink:
        return link(row, QStringLiteral("Alt+→"), parent);
    case ControlKind::BackLink:
        return link(row, QStringLiteral("Alt+←"), parent);
    case ControlKind::Panel:
        return panel(extraOf<QColor>(row), parent);
    case ControlKind::Line:
        return panel(colours::GridLine, parent);
    case ControlKind::Block:
        return new QFrame(parent);
    case ControlKind::Shape:
        return outline(parent);
    case ControlKind::GroupBox:
        return groupBox(row, parent);
    case ControlKind::CommandButton:
        return commandButton(row, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(QString::fromUtf8(row.text), parent);
    case ControlKind::TextBox:
        return textBox(row, parent);
    case ControlKind::MaskEdBox:
        return new MaskedBox(QString::fromLatin1(extraOf<InputMask>(row).digits), parent);
    case ControlKind::ResultBox:
        return outputBox(rows, index, parent);
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

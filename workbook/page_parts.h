#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <span>
#include <vector>

class QLabel;
class QWidget;

namespace ulvane {

class LinkLabel;
class MaskedBox;

inline const QString ForwardCaption = QStringLiteral("Вперед >>");
inline const QString CalculateCaption = QStringLiteral("Расчет >>");
inline const QString BackCaption = QStringLiteral("<< Назад");

// The window presses the links of the tab in front on Alt+Right and Alt+Left; the
// links' tooltips name the keys.
inline const QString ForwardShortcutTip = QStringLiteral("Alt+→");
inline const QString BackShortcutTip = QStringLiteral("Alt+←");

struct LinkStyle {
    QColor colour;
    QFont font;
    int top; // twips
};

LinkLabel *addLink(QWidget *tab, const LinkStyle &style, const char *name, const QString &caption,
                   int left, int width, const QString &shortcutTip);

// A prompt and the masked box after it, positions in twips.
struct InputRow {
    const char *promptName;
    const char *prompt;
    int top;
    const char *boxName;
    int boxLeft;
    int boxWidth;
    const char *mask;
};

struct InputRowWidgets {
    QLabel *prompt;
    MaskedBox *box;
};

// Each prompt is its box's buddy, so a screen reader names the box by it; the boxes
// take the focus in the order of the rows.
std::vector<InputRowWidgets> addInputRows(QWidget *page, std::span<const InputRow> rows,
                                          int promptLeft);

} // namespace ulvane

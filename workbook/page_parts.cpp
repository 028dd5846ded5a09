#include "workbook/page_parts.h"

#include "widgets/form_builder.h"
#include "widgets/link_label.h"
#include "widgets/masked_box.h"

#include <QLabel>

namespace ulvane {

namespace {

constexpr int BoxHeight = 285;

} // namespace

LinkLabel *addLink(QWidget *tab, const LinkStyle &style, const char *name, const QString &caption,
                   int left, int width, const QString &shortcutTip)
{
    auto *link = place(new LinkLabel(caption, style.colour, style.font, tab), name, left, style.top,
                       width, 375);
    link->setToolTip(shortcutTip);
    return link;
}

std::vector<InputRowWidgets> addInputRows(QWidget *page, std::span<const InputRow> rows,
                                          int promptLeft)
{
    std::vector<InputRowWidgets> added;
    for (const InputRow &row : rows) {
        auto *prompt = addLabel(page, row.promptName, QString::fromUtf8(row.prompt), promptLeft,
                                row.top, row.boxLeft - promptLeft - 60, BoxHeight,
                                sansFont(DialogFontPoints), Qt::AlignLeft | Qt::AlignVCenter);
        auto *box = place(new MaskedBox(QString::fromLatin1(row.mask), page), row.boxName,
                          row.boxLeft, row.top, row.boxWidth, BoxHeight);
        box->setFont(sansFont(DialogFontPoints));
        prompt->setBuddy(box);
        if (!added.empty())
            QWidget::setTabOrder(added.back().box, box);
        added.push_back({prompt, box});
    }
    return added;
}

} // namespace ulvane

#pragma once

#include "widgets/form_builder.h"
#include "workbook/catalogue_page.h"

#include <QWidget>

class QLabel;

namespace ulvane {

class LinkLabel;
class MessageBox;

inline const QString ForwardCaption = QStringLiteral("Вперед >>");
inline const QString CalculateCaption = QStringLiteral("Расчет >>");

// What both studies share: a step caption, a cable-choice page with the catalogue, a
// data page, and links that move between the pages and calculate. The rows of the
// tab place the captions, the two pages and the links, in that order.
class StudyTab : public QWidget
{
    Q_OBJECT

public:
    // Part of the window's load step.
    void chooseFirstCable();

    // The keyboard's way to the links: press the forward link that is shown, or the
    // back link, as a click would.
    void pressForwardLink();
    void pressBackLink();

protected:
    struct Pages {
        std::span<const ControlRow> rows;
        const char *stepCaption;
        const char *cataloguePage;
        const CataloguePageLayout &catalogue;
        const char *dataPage;
    };

    StudyTab(MessageBox &messages, const Pages &pages);

    MessageBox &m_messages;
    PlacedControls m_controls;
    CataloguePage m_cables;
    QLabel *m_stepCaption;
    QWidget *m_dataPage;
    LinkLabel *m_back = nullptr;
    QList<LinkLabel *> m_forwardLinks;
};

} // namespace ulvane

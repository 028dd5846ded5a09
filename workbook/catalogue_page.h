#pragma once

#include "calc/cable_catalogue.h"

#include <QList>

class QFrame;
class QRadioButton;
class QWidget;

namespace ulvane {

// Where one tab puts its copy of the catalogue table; the two copies differ in
// places, names and their fourth column.
struct CataloguePageLayout {
    struct Header {
        const char *name;
        int left;
        int width;
    };

    const char *pageName;
    int pageTop;
    const char *typeCaptionName;
    int typeCaptionLeft;
    Header resistanceHeader;
    Header voltageHeader;
    Header fourthHeader;
    const char *fourthHeaderText;
    int fourthCellLeft; // the other value cells are centred in their columns
    bool fourthHeaderInDesktopColour;
    int columnLines[3];
    int secondLineBottom;
    CatalogueNumber CableType::*fourthColumn;
    // Control numbers of row 1..16.
    int (*optionNumber)(int row);
    int (*resistanceCellNumber)(int row);
    int (*voltageCellNumber)(int row);
    int (*fourthCellNumber)(int row);
};

struct CataloguePage {
    QFrame *page;
    QList<QRadioButton *> rows; // rows[0] is catalogue position 1

    // The position of the first row whose button is on.
    int chosenPosition() const;
};

CataloguePage buildCataloguePage(QWidget *tab, const CataloguePageLayout &layout);

} // namespace ulvane

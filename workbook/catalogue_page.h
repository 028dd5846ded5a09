#pragma once

#include "calc/cable_catalogue.h"
#include "widgets/form_builder.h"

#include <QList>

#include <span>

class QRadioButton;
class QWidget;

namespace ulvane {

// The header texts both copies of the table share.
inline constexpr const char *ResistanceHeader = "Сопротивление металлических \r\nпокровов, R, Ом/км\r\n";
inline constexpr const char *VoltageHeader =
    "Максимально допустимое\r\n импульсное напряжение Uдоп_макс, В\r\n";

// How one column's controls are numbered down the sixteen rows: from a first number
// by a step, or by a function where the numbers skip one.
struct ColumnNumbers {
    int first = 0;
    int step = 0;
    int (*withGap)(int row) = nullptr;

    int of(int row) const { return withGap ? withGap(row) : first + step * (row - 1); }
};

// A column of value cells, between two grid lines in twips.
struct CellColumn {
    int left;
    int right;
    ColumnNumbers numbers;
};

// One tab's copy of the catalogue table: the two copies differ in places, names and
// their fourth column.
struct CataloguePageLayout {
    std::span<const ControlRow> heading; // the caption, the header cells, the grid lines
    ColumnNumbers options;
    int optionWidth;
    CellColumn resistance;
    CellColumn voltage;
    CellColumn fourth; // left-aligned; the other value cells are centred
    CatalogueNumber CableType::*fourthValue;
};

struct CataloguePage {
    QWidget *page;
    QList<QRadioButton *> rows; // rows[0] is catalogue position 1

    // The position of the first row whose button is on.
    int chosenPosition() const;
};

// Fills the page panel with the heading and a row of controls per cable type.
CataloguePage buildCataloguePage(QWidget *page, const CataloguePageLayout &layout);

} // namespace ulvane

#include "workbook/catalogue_page.h"

#include <QLabel>
#include <QRadioButton>

namespace ulvane {

namespace {

constexpr int OptionLeft = 120;
constexpr int FirstRowTop = 840;
constexpr int RowPitch = 360;
constexpr int RowHeight = 255;

QString controlName(const char *kind, int number)
{
    return QLatin1String(kind) + QString::number(number);
}

template<typename Control>
Control *addCell(Control *cell, const QString &name, const TwipsRect &rect)
{
    place(cell, name, rect);
    cell->setFont(layoutFont(DialogFont));
    return cell;
}

void addValueCell(QWidget *page, const CellColumn &column, int row, std::string_view text,
                  Qt::Alignment alignment)
{
    const int top = FirstRowTop + RowPitch * (row - 1);
    auto *cell = addCell(new QLabel(QString::fromUtf8(text), page),
                         controlName("Label", column.numbers.of(row)),
                         {column.left, top, column.right - column.left, RowHeight});
    cell->setAlignment(alignment);
}

} // namespace

int CataloguePage::chosenPosition() const
{
    for (int i = 0; i < rows.size(); ++i) {
        if (rows[i]->isChecked())
            return i + 1;
    }
    return 1;
}

CataloguePage buildCataloguePage(QWidget *page, const CataloguePageLayout &layout)
{
    CataloguePage result{page, {}};
    placeRows(page, layout.heading);
    for (const CableType &cable : CableCatalogue::Entries()) {
        const int row = cable.Position;
        const int top = FirstRowTop + RowPitch * (row - 1);
        result.rows.append(addCell(new QRadioButton(QString::fromUtf8(cable.Name), page),
                                   controlName("Option", layout.options.of(row)),
                                   {OptionLeft, top, layout.optionWidth, RowHeight}));
        addValueCell(page, layout.resistance, row, cable.SheathResistance.Text, Centred);
        addValueCell(page, layout.voltage, row, cable.MaxImpulseVoltageText, Centred);
        addValueCell(page, layout.fourth, row, (cable.*layout.fourthValue).Text, MiddleLeft);
    }
    return result;
}

} // namespace ulvane

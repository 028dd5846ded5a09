#include "workbook/catalogue_page.h"

#include "widgets/form_builder.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

namespace ulvane {

namespace {

constexpr int PageLeft = 120;
constexpr int PageWidth = 11415;
constexpr int PageHeight = 6855;
constexpr int HeaderTop = 120;
constexpr int HeaderHeight = 495;
constexpr int GridRight = 11400;
constexpr int GridBottom = 6840;
constexpr int HeaderRuleTop = 720;
constexpr int FirstRowTop = 840;
constexpr int RowPitch = 360;
constexpr int RowHeight = 255;

const char *const ResistanceHeaderText = "Сопротивление металлических \r\nпокровов, R, Ом/км\r\n";
const char *const VoltageHeaderText =
    "Максимально допустимое\r\n импульсное напряжение Uдоп_макс, В\r\n";

QByteArray controlName(const char *kind, int number)
{
    return QByteArray(kind) + QByteArray::number(number);
}

// A header cell is a boxed, centred multi-line text; its "\r\n" breaks are lines.
void addHeaderCell(QWidget *page, const CataloguePageLayout::Header &header, const char *text,
                   bool desktopColour)
{
    auto *cell = addLabel(page, header.name, QString::fromUtf8(text).replace("\r\n", "\n"),
                          header.left, HeaderTop, header.width, HeaderHeight,
                          sansFont(DialogFontPoints), Qt::AlignHCenter | Qt::AlignTop);
    cell->setFrameShape(QFrame::Box);
    QPalette cellPalette = cell->palette();
    cellPalette.setColor(QPalette::Window, cellPalette.color(QPalette::Button));
    if (desktopColour)
        cellPalette.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x80));
    cell->setPalette(cellPalette);
    cell->setAutoFillBackground(true);
}

void addValueCell(QWidget *page, int number, std::string_view text, int left, int right, int top,
                  Qt::Alignment alignment)
{
    addLabel(page, controlName("Label", number).constData(), qtText(text), left, top, right - left,
             RowHeight, sansFont(DialogFontPoints), alignment);
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

CataloguePage buildCataloguePage(QWidget *tab, const CataloguePageLayout &layout)
{
    CataloguePage result;
    result.page = addPanel(tab, layout.pageName, PageLeft, layout.pageTop, PageWidth, PageHeight,
                           colours::PageGrey);
    QWidget *page = result.page;

    addLabel(page, layout.typeCaptionName, QStringLiteral("Тип кабеля"), layout.typeCaptionLeft,
             240, 1335, 255, sansFont(DialogFontPoints), Qt::AlignHCenter | Qt::AlignTop);
    addHeaderCell(page, layout.resistanceHeader, ResistanceHeaderText, false);
    addHeaderCell(page, layout.voltageHeader, VoltageHeaderText, false);
    addHeaderCell(page, layout.fourthHeader, layout.fourthHeaderText,
                  layout.fourthHeaderInDesktopColour);

    addLine(page, 0, HeaderRuleTop, GridRight, HeaderRuleTop);
    const int *lines = layout.columnLines;
    addLine(page, lines[0], HeaderTop, lines[0], GridBottom);
    addLine(page, lines[1], HeaderTop, lines[1], layout.secondLineBottom);
    addLine(page, lines[2], HeaderTop, lines[2], GridBottom);

    for (const CableType &cable : CableCatalogue::Entries()) {
        const int row = cable.Position;
        const int top = FirstRowTop + RowPitch * (row - 1);
        auto *option = place(new QRadioButton(qtText(cable.Name), page),
                             controlName("Option", layout.optionNumber(row)).constData(), 120, top,
                             lines[0] - 120 - 30, RowHeight);
        option->setFont(sansFont(DialogFontPoints));
        result.rows.append(option);

        addValueCell(page, layout.resistanceCellNumber(row), cable.SheathResistance.Text, lines[0],
                     lines[1], top, Qt::AlignCenter);
        addValueCell(page, layout.voltageCellNumber(row), cable.MaxImpulseVoltageText, lines[1],
                     lines[2], top, Qt::AlignCenter);
        addValueCell(page, layout.fourthCellNumber(row), (cable.*layout.fourthColumn).Text,
                     layout.fourthCellLeft, GridRight, top, Qt::AlignLeft | Qt::AlignVCenter);
    }
    return result;
}

} // namespace ulvane

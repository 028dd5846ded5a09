#include "calc/cable_catalogue.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace ulvane {
namespace {

// The table prints numbers with a decimal comma; the value behind each is the same
// number with a point.
double valueOfCatalogueText(std::string_view text)
{
    std::string withPoint(text);
    for (char &c : withPoint) {
        if (c == ',')
            c = '.';
    }
    return ReadLeadingNumber(withPoint);
}

TEST(CableCatalogue, EveryValueIsTheNumberItsTextShows)
{
    int expectedPosition = 1;
    for (const CableType &cable : CableCatalogue::Entries()) {
        EXPECT_EQ(cable.Position, expectedPosition++);
        EXPECT_EQ(cable.SheathResistance.Value, valueOfCatalogueText(cable.SheathResistance.Text))
            << cable.Name;
        EXPECT_EQ(cable.ShieldingFactor.Value, valueOfCatalogueText(cable.ShieldingFactor.Text))
            << cable.Name;
        EXPECT_EQ(cable.OuterDiameter.Value, valueOfCatalogueText(cable.OuterDiameter.Text))
            << cable.Name;
        EXPECT_EQ(std::to_string(cable.MaxImpulseVoltage), cable.MaxImpulseVoltageText)
            << cable.Name;
    }
    EXPECT_EQ(expectedPosition, CableCatalogue::Size + 1);
}

TEST(CableCatalogue, RowsKeepTheirPrintedForm)
{
    struct Row {
        int position;
        const char *name;
        const char *sheathResistance;
        const char *shieldingFactor;
        const char *outerDiameter;
    };
    const Row rows[] = {
        {1, "МКСБ 1х4", "5,23", "0,7", "23,7"},
        {3, "МКСАБп 1х4", "0,722", "0,21", "40"},
        {7, "МКСАБпШп 4х4", "0,36", "0,15", "21,6"},
        {12, "МКСАШ 7х4", "1,65", "0,6", "11"},
        {13, "МКСК 7х4", "1,5", "0,3", "12,6"},
        {14, "ВКПП 2,1/9,4", "1,8", "0,65", "16,2"},
        {15, "МКТП -- 4", "1,47", "0,55", "24"},
        {16, "МКТПСБ -- 4", "1,38", "0,53", "26,8"},
    };
    for (const Row &row : rows) {
        const CableType &cable = CableCatalogue::Entry(row.position);
        EXPECT_EQ(cable.Name, row.name);
        EXPECT_EQ(cable.SheathResistance.Text, row.sheathResistance) << row.name;
        EXPECT_EQ(cable.ShieldingFactor.Text, row.shieldingFactor) << row.name;
        EXPECT_EQ(cable.OuterDiameter.Text, row.outerDiameter) << row.name;
    }
    // The "х" in "1х4" is Cyrillic (U+0445), not the Latin x.
    EXPECT_EQ(CableCatalogue::Entry(1).Name.substr(std::string_view("МКСБ 1").size(), 2),
              "\xD1\x85");
}

TEST(CableCatalogue, PositionsOutsideTheCatalogueAreRefused)
{
    EXPECT_THROW(CableCatalogue::Entry(0), std::out_of_range);
    EXPECT_THROW(CableCatalogue::Entry(17), std::out_of_range);
}

} // namespace
} // namespace ulvane

#pragma once

#include <span>
#include <string_view>

namespace ulvane {

// A catalogue number as the table prints it ("0,806") beside the value it stands for.
struct CatalogueNumber {
    double Value;
    std::string_view Text;
};

struct CableType {
    int Position;
    std::string_view Name;
    CatalogueNumber SheathResistance;   // Ом/км
    int MaxImpulseVoltage;              // В
    std::string_view MaxImpulseVoltageText;
    CatalogueNumber ShieldingFactor;    // Sоб at 50 Hz
    CatalogueNumber OuterDiameter;      // мм
};

// The sixteen cable types of both choice lists, in display order. Constant.
class CableCatalogue
{
public:
    static constexpr int Size = 16;

    // position is 1..Size; any other throws std::out_of_range.
    static const CableType &Entry(int position);
    static std::span<const CableType> Entries();
};

} // namespace ulvane

#include "calc/lightning.h"

#include <cmath>

namespace ulvane {

namespace {

using Kind = DamageFormula::Kind;

// The table writes its leading coefficients as m·10⁻ⁿ; each is that product of
// doubles, which need not be the double nearest to the decimal value.
constexpr DamageFormula cubic(double a, double b, double c, double d)
{
    return {Kind::Cubic, a, b, c, d, 0, 0};
}

constexpr DamageFormula logarithmic(double m, double n)
{
    return {Kind::Logarithmic, 0, 0, 0, 0, m, n};
}

constexpr DamageFormula zero()
{
    return {};
}

constexpr ResistanceScale per(double reference)
{
    return {1, reference};
}

constexpr ResistanceBandTable Bands{{
    {5, 10, 1000,
     cubic(7 * 1e-9, 1 * 1e-5, 0.0096, 0.0375), per(10),
     cubic(-3 * 1e-12, 1 * 1e-9, 0.0008, 2.6967), per(10)},
    {3, 5, 1000,
     cubic(3 * 1e-9, 6 * 1e-6, 0.0048, 0.0071), per(5),
     cubic(7 * 1e-12, 1 * 1e-7, 0.001, 0.9016), per(5)},
    {2.6, 3, 1000,
     cubic(3 * 1e-9, 5 * 1e-6, 0.0034, 0.0033), per(3),
     cubic(3 * 1e-13, 2 * 1e-8, 0.0003, 0.8323), per(3)},
    {2.3, 2.6, 1000,
     cubic(3 * 1e-9, 5 * 1e-6, 0.0028, 0.0006), per(2.6),
     logarithmic(0.5135, -2.5932), per(2.6)},
    {2, 2.3, 1000,
     cubic(1 * 1e-9, 3 * 1e-6, 0.0021, 0.0003), per(2.3),
     logarithmic(0.4416, -2.264), per(2.3)},
    {1.65, 2, 1000,
     cubic(3 * 1e-10, 9 * 1e-7, 0.0013, 0.0045), per(2),
     logarithmic(0.3367, -1.7258), per(2)},
    {1, 1.65, 1000,
     cubic(4 * 1e-10, 1 * 1e-6, 0.0011, -0.0018), per(1.65),
     logarithmic(0.2539, -1.1337), per(1.65)},
    {0.7, 1, 1000,
     cubic(1 * 1e-10, 4 * 1e-7, 0.0006, -0.0016), {0.625, 1},
     cubic(1 * 1e-12, 3 * 1e-8, 0.0002, 0.1288), {0.57, 1}},
    {0.42, 0.7, 1000,
     cubic(3 * 1e-10, 5 * 1e-7, 0.0004, -0.0007), per(0.7),
     logarithmic(0.0471, -0.1949), per(0.7)},
    {0.3, 0.42, 50, zero(), {0.67, 0.42}, logarithmic(0.0233, -0.0895), {0.67, 0.42}},
    {0.2, 0.3, 30, zero(), {0.8, 0.3}, logarithmic(0.0089, -0.0307), {0.8, 0.3}},
    {0.1, 0.2, 75, zero(), {0.57, 0.2}, logarithmic(0.0034, -0.0093), {0.57, 0.2}},
    {0, 0.1, 100, zero(), {0.57, 0.1}, logarithmic(0.0005, 0.0004), {0.57, 0.1}},
}};

constexpr double ReferenceVoltage = 3000;
constexpr double ReferenceHours = 36;
constexpr double LowestResistivity = 10;
constexpr double HighestResistivity = 10000;
constexpr double WireLogarithmTerm = 4.8493;
constexpr double SecondWireFactor = 0.93;

// Evaluated in the table's own grouping, ((a·ρ³ − b·ρ²) + c·ρ) + d; a - b and
// a + (-b) are the same double, so signed offsets keep the digits.
double evaluate(const DamageFormula &formula, double rho)
{
    switch (formula.FormulaKind) {
    case Kind::Zero:
        return 0;
    case Kind::Cubic:
        return ((formula.A * std::pow(rho, 3) - formula.B * std::pow(rho, 2)) + formula.C * rho)
               + formula.D;
    case Kind::Logarithmic:
        return formula.M * std::log(rho) + formula.N;
    }
    return 0;
}

double scaled(double formulaValue, const ResistanceScale &scale, double resistance)
{
    return formulaValue * ((scale.Factor * resistance) / scale.Reference);
}

double expectedDamages(double referenceCount, double voltage, double hours)
{
    return ((referenceCount * ReferenceVoltage) * hours) / (voltage * ReferenceHours);
}

} // namespace

double ReferenceDamageCount(double sheathResistance, double soilResistivity)
{
    for (const ResistanceBand &band : Bands) {
        if (!(band.LowerResistance <= sheathResistance && sheathResistance <= band.UpperResistance))
            continue;
        const bool lowPart = soilResistivity <= band.Threshold;
        const DamageFormula &formula = lowPart ? band.Low : band.High;
        if (formula.FormulaKind == Kind::Zero)
            return 0;
        const double count = scaled(evaluate(formula, soilResistivity),
                                    lowPart ? band.LowScale : band.HighScale, sheathResistance);
        // Just above a threshold a logarithmic part dips below zero; a count of
        // damages cannot.
        return count > 0 ? count : 0;
    }
    return 0;
}

LightningResult CalculateLightningDamage(const LightningInputs &inputs)
{
    // The one-wire resistance takes the radius as typed, before any default applies.
    const double wireResistance = (WireLogarithmTerm * inputs.SheathResistance)
                                  / (std::log(1200 / inputs.CableRadius) + WireLogarithmTerm);

    const double voltage = inputs.ImpulseVoltage == 0 ? ReferenceVoltage : inputs.ImpulseVoltage;
    const double hours = inputs.ThunderstormHours == 0 ? ReferenceHours : inputs.ThunderstormHours;
    double rho = inputs.InHose ? inputs.GroundingResistance * inputs.GroundingSpacing
                               : inputs.SoilResistivity;
    if (rho < LowestResistivity)
        rho = LowestResistivity;
    if (rho > HighestResistivity)
        rho = HighestResistivity;

    LightningResult result;
    result.DamagesUnprotected =
        expectedDamages(ReferenceDamageCount(inputs.SheathResistance, rho), voltage, hours);
    result.DamagesOneWire =
        expectedDamages(ReferenceDamageCount(wireResistance, rho), voltage, hours);
    result.DamagesTwoWires = result.DamagesOneWire * SecondWireFactor;
    return result;
}

} // namespace ulvane

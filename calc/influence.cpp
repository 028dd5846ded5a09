#include "calc/influence.h"

#include "calc/cable_catalogue.h"
#include "calc/number_text.h"

#include <array>
#include <cmath>

namespace ulvane {

namespace {

// The lab's own rounded π: the results are compared digit for digit with its tables.
constexpr double AngularFrequency = 2 * 3.1415 * 50;
constexpr double LogarithmNumerator = 600000;
constexpr double LineFrequency = 50;
constexpr double WireFactor120 = 0.85;
constexpr double WireFactor70 = 0.9;

// The student sees 15 digits, so the wire is chosen on the values as shown. Rounding
// moves a value by less than 1e-14 of itself, so only a near tie needs it.
bool isBelowShown(double emf, int permissibleVoltage)
{
    const double voltage = permissibleVoltage;
    if (std::fabs(emf - voltage) > 1e-13 * voltage)
        return voltage > emf;
    return voltage > RoundToShownPrecision(emf);
}

// Mask1 resets to its upper bound, the others to their lower one.
constexpr std::array<InputRange, 4> InputRanges{{
    {10, 10000, "Значение задается в интервале от 10 до 10000 Ом*м", "10000"},
    {0.01, 5, "Значение задается в интервале от 0.01 до 5 км", "0.01"},
    {0.5, 5, "Значение задается в интервале от 0.5 до 5 км", "0.500"},
    {1, 10, "Значение задается в интервале от 1 до 10 кА", "1.00"},
}};

} // namespace

const InputRange &InfluenceInputRange(InfluenceInput input)
{
    return InputRanges.at(static_cast<std::size_t>(input));
}

bool InputsComplete(const InfluenceInputs &inputs)
{
    return inputs.SoilResistivity != 0 && inputs.ApproachWidth != 0 && inputs.ApproachLength != 0
           && inputs.ShortCircuitCurrent != 0;
}

InfluenceResult CalculateInfluence(const InfluenceInputs &inputs)
{
    // Step by step as the lab's tables compute it; the last shown digits depend on
    // this order of operations.
    const double conductivity = 1 / inputs.SoilResistivity;
    const double current = inputs.ShortCircuitCurrent * 1000;
    const double width = inputs.ApproachWidth * 1000;
    const double q = (std::pow(width, 2) * conductivity) * LineFrequency;
    const double x = LogarithmNumerator / q;
    const double logarithm = std::log(1 + x);

    const CableType &cable = CableCatalogue::Entry(inputs.CablePosition);

    InfluenceResult result;
    result.Emf = ((((AngularFrequency * current) * logarithm) * inputs.ApproachLength)
                  * cable.ShieldingFactor.Value)
                 * 0.01;
    result.PermissibleVoltage = cable.MaxImpulseVoltage;
    if (result.Emf < result.PermissibleVoltage) {
        result.Verdict = InfluenceVerdict::NormMet;
        return result;
    }

    result.Verdict = InfluenceVerdict::ProtectionNeeded;
    const double emfWire120 = result.Emf * WireFactor120;
    const double emfWire70 = result.Emf * WireFactor70;
    result.EmfWire120 = emfWire120;
    result.EmfWire70 = emfWire70;
    if (isBelowShown(emfWire70, result.PermissibleVoltage))
        result.Conclusion = WireConclusion::SteelWire70;
    else if (isBelowShown(emfWire120, result.PermissibleVoltage))
        result.Conclusion = WireConclusion::SteelWire120;
    else
        result.Conclusion = WireConclusion::NotSuitable;
    return result;
}

std::string_view ConclusionText(WireConclusion conclusion)
{
    switch (conclusion) {
    case WireConclusion::SteelWire70:
        return "Вывод: используем стальной тросс сечением 70 кв.мм";
    case WireConclusion::SteelWire120:
        return "Вывод: используем стальной тросс сечением 120 кв.мм";
    case WireConclusion::NotSuitable:
        break;
    }
    return "Вывод: в данных условиях кабель не пригоден к использованию , т.к. степень "
           "воздействия ЛЭП превышает допустимые нормы";
}

} // namespace ulvane

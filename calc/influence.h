#pragma once

#include <optional>
#include <string_view>

namespace ulvane {

// Conditions of the approach to a power line, in the units the prompts name.
struct InfluenceInputs {
    double SoilResistivity = 0;     // ρ, Ом*м
    double ApproachWidth = 0;       // a, км
    double ApproachLength = 0;      // L, км
    double ShortCircuitCurrent = 0; // Iкз, кА
    int CablePosition = 1;          // catalogue position 1..16
};

// The four typed conditions, in the order of their boxes.
enum class InfluenceInput { SoilResistivity, ApproachWidth, ApproachLength, ShortCircuitCurrent };

// The range a condition's box announces; leaving the box with a value outside it
// shows Message and puts ResetText into the box.
struct InputRange {
    double From;
    double To;
    std::string_view Message;
    std::string_view ResetText;

    bool admits(double value) const { return !(value < From || value > To); }
};

const InputRange &InfluenceInputRange(InfluenceInput input);

// False while any of the four conditions reads 0: the calculation needs them all.
bool InputsComplete(const InfluenceInputs &inputs);

enum class InfluenceVerdict { NormMet, ProtectionNeeded };

enum class WireConclusion { SteelWire70, SteelWire120, NotSuitable };

struct InfluenceResult {
    double Emf = 0;             // E without protection, В
    int PermissibleVoltage = 0; // Uдоп of the chosen cable, В
    InfluenceVerdict Verdict = InfluenceVerdict::NormMet;
    // Set only for ProtectionNeeded.
    std::optional<double> EmfWire120;
    std::optional<double> EmfWire70;
    std::optional<WireConclusion> Conclusion;
};

// The EMF a short circuit on the line induces in the cable cores, and the protective
// wire it calls for. ρ, a, L and Iкз must be non-zero.
InfluenceResult CalculateInfluence(const InfluenceInputs &inputs);

// The conclusion sentence the result page shows.
std::string_view ConclusionText(WireConclusion conclusion);

} // namespace ulvane

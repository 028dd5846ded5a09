#pragma once

#include <array>

namespace ulvane {

// What the student typed on the lightning tab, in the units the prompts name.
struct LightningInputs {
    double ImpulseVoltage = 0;      // U, В; 0 means the reference 3000 В
    double CableRadius = 0;         // r, мм
    double SheathResistance = 0;    // R, Ом/км
    double SoilResistivity = 0;     // ρ, Ом*м
    double ThunderstormHours = 0;   // T, ч; 0 means the reference 36 ч
    double GroundingResistance = 0; // Rз, Ом
    double GroundingSpacing = 0;    // l, км
    bool InHose = false;            // the soil is then replaced by Rз × l
};

// Expected damages per 100 km of route per year.
struct LightningResult {
    double DamagesUnprotected = 0; // N₀
    double DamagesOneWire = 0;     // N₁, one wire ПС-70
    double DamagesTwoWires = 0;    // N₂, two wires ПС-70
};

// a·ρ³ − b·ρ² + c·ρ + d, or m·ln ρ + n, or nothing at all.
struct DamageFormula {
    enum class Kind { Zero, Cubic, Logarithmic };
    Kind FormulaKind = Kind::Zero;
    double A = 0, B = 0, C = 0, D = 0;
    double M = 0, N = 0;
};

// The factor that carries a formula from the band's reference resistance to R:
// (Factor × R) / Reference.
struct ResistanceScale {
    double Factor;
    double Reference;
};

struct ResistanceBand {
    double LowerResistance;
    double UpperResistance;
    double Threshold; // ρ ≤ Threshold takes the low part
    DamageFormula Low;
    ResistanceScale LowScale;
    DamageFormula High;
    ResistanceScale HighScale;
};

// The bands in the order they are tried: the first whose closed range holds R wins.
using ResistanceBandTable = std::array<ResistanceBand, 13>;

// Damages per 100 km per year at 3000 В and 36 thunderstorm hours, for a sheath
// resistance R and a soil resistivity already limited to 10..10000. Never negative.
double ReferenceDamageCount(double sheathResistance, double soilResistivity);

LightningResult CalculateLightningDamage(const LightningInputs &inputs);

} // namespace ulvane

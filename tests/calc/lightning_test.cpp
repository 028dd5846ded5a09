#include "calc/lightning.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

namespace ulvane {
namespace {

std::string shown(const LightningResult &result)
{
    return NumberText(result.DamagesUnprotected, '.') + " " + NumberText(result.DamagesOneWire, '.')
           + " " + NumberText(result.DamagesTwoWires, '.');
}

// The defaults and limits, hose mode and the scaling by T and U; the tab shows the
// worked examples.
TEST(CalculateLightningDamage, AppliesDefaultsLimitsHoseAndScalingToEveryDigit)
{
    const char *const band7 = "0.316545454545455 0.0994934372316533 0.0925288966254375";
    const char *const soil10 = "0.00827309090909091 0.0020569053374762 0.00191292196385287";
    const char *const doubled = "1.99510687380952 1.05670038809301 0.9827313609265";
    const struct { const char *name; LightningInputs inputs; const char *expected; } cases[] = {
        // U, r, R, ρ, T, then Rз, l and the hose
        {"band_7_bare_band_8_wire", {3000, 10, 1.5, 500, 36}, band7},
        {"threshold_low_part", {3000, 10, 1.5, 1000, 36}, "0.452909090909091 0.140772127406 0.13091807848758"},
        {"threshold_high_part", {3000, 10, 1.5, 1001, 36}, "0.56402985315285 0.12904803181557 0.12001466958848"},
        {"empty_resistance", {3000, 10, 0, 500, 36}, "0 0 0"},
        {"empty_voltage_and_hours", {0, 10, 1.5, 500, 0}, band7},
        {"resistivity_below_10", {3000, 10, 1.5, 5, 36}, soil10},
        {"resistivity_above_10000", {3000, 10, 1.5, 20000, 36},
         "1.09527765494978 0.0554151555262136 0.0515360946393787"},
        {"hose_is_limited_too", {3000, 10, 1.5, 500, 36, 0, 2, true}, soil10},
        {"double_hours", {3000, 14, 2.1, 2000, 72}, doubled},
        {"half_voltage", {1500, 14, 2.1, 2000, 36}, doubled},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(CalculateLightningDamage(c.inputs)), c.expected) << c.name;
}

// Every band on its borders and both sides of its threshold, to catch a wrong band,
// part, coefficient or scale.
TEST(ReferenceDamageCount, ChoosesBandPartAndScale)
{
    const struct { double resistance; double rho; const char *expected; } cases[] = {
        {10.01, 500, "0"}, {10, 500, "3.2125"}, {5, 500, "1.60625"}, {5, 2000, "2.13435"},
        {4.99, 1000, "1.8034858"}, {4.99, 1001, "1.80580207916499"}, {3, 500, "0.76926"},
        {2.99, 1001, "1.10915134463063"}, {2.6, 500, "0.71786"}, {2.59, 1001, "0.950774634643064"},
        {2.3, 500, "0.464953846153846"}, {2.3, 1001, "0.844317243119323"},
        {2, 500, "0.369826086956522"}, {1.99, 1001, "0.597375845524457"}, {1.65, 500, "0.385275"},
        {1.64, 1001, "0.616672639447116"}, {1, 500, "0.211030303030303"},
        {0.99, 10, "0.002697811875"}, {0.7, 500, "0.09226875"}, {0.7, 1001, "0.119677246227399"},
        {0.69, 10000, "0.235494073926934"}, {0.42, 500, "0.06708"},
        {0.42, 1001, "0.0783014100634482"}, {0.41, 10000, "0.0818219658434221"}, {0.3, 50, "0"},
        {0.3, 51, "0.0010105213946139"}, {0.29, 9999, "0.0396496810324391"}, {0.2, 30, "0"},
        {0.2, 1000, "0.0164154783909019"}, {0.25, 31, "0"}, {0.19, 9999, "0.0119210235396392"},
        {0.1, 75, "0"}, {0.1, 76, "0.00154598060673745"}, {0.09, 9999, "0.00256762665412931"},
        {0.05, 100, "0"}, {0.05, 101, "0.000771654673649879"}, {0, 5000, "0"}, {-0.01, 500, "0"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(NumberText(ReferenceDamageCount(c.resistance, c.rho), '.'), c.expected)
            << c.resistance << " Ом/км, " << c.rho << " Ом*м";
    }
}

} // namespace
} // namespace ulvane

#include "calc/influence.h"
#include "calc/lightning.h"
#include "calc/number_text.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ulvane;

void calculateInfluence(benchmark::State &state)
{
    InfluenceInputs inputs{100, 0.43, 1, 1, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(CalculateInfluence(inputs));
    }
}
BENCHMARK(calculateInfluence);

void calculateLightningDamage(benchmark::State &state)
{
    LightningInputs inputs;
    inputs.ImpulseVoltage = 3800;
    inputs.CableRadius = 14;
    inputs.SheathResistance = 2.1;
    inputs.SoilResistivity = 2000;
    inputs.ThunderstormHours = 40;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(CalculateLightningDamage(inputs));
    }
}
BENCHMARK(calculateLightningDamage);

void readLeadingNumber(benchmark::State &state)
{
    std::string_view text = "0.5**";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(ReadLeadingNumber(text));
    }
}
BENCHMARK(readLeadingNumber);

void numberText(benchmark::State &state)
{
    double value = 3479.05570823419;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(NumberText(value, ','));
    }
}
BENCHMARK(numberText);

} // namespace

#pragma once

#include "widgets/form_builder.h"
#include "widgets/masked_box.h"
#include "widgets/output_box.h"

#include <span>
#include <utility>
#include <vector>

namespace ulvane {

// A row of a study's binding table: the box that feeds one field of its calculation's
// inputs.
template<typename Inputs>
struct InputField {
    const char *box;
    double Inputs::*field;
};

// A row of a study's binding table: the box that shows one number of its result.
template<typename Result>
struct ResultField {
    const char *box;
    double (*number)(const Result &);
};

// The input rows bound to the boxes the layout placed, once, as the tab is built.
template<typename Inputs>
class InputBoxes
{
public:
    InputBoxes() = default;
    InputBoxes(const PlacedControls &controls, std::span<const InputField<Inputs>> fields)
    {
        for (const InputField<Inputs> &row : fields)
            m_bound.emplace_back(controls.get<MaskedBox>(row.box), row.field);
    }

    // Each box read as the studies read it, in the table's order; the fields no box
    // feeds keep their defaults.
    Inputs read() const
    {
        Inputs inputs;
        for (const auto &[box, field] : m_bound)
            inputs.*field = box->number();
        return inputs;
    }

    MaskedBox *box(std::size_t row) const { return m_bound[row].first; }
    std::size_t size() const { return m_bound.size(); }

private:
    std::vector<std::pair<MaskedBox *, double Inputs::*>> m_bound;
};

// The result rows bound to the boxes the layout placed, once, as the tab is built.
template<typename Result>
class ResultBoxes
{
public:
    ResultBoxes() = default;
    ResultBoxes(const PlacedControls &controls, std::span<const ResultField<Result>> fields)
    {
        for (const ResultField<Result> &row : fields)
            m_bound.emplace_back(controls.get<OutputBox>(row.box), row.number);
    }

    // Writes each number through NumberText, in the table's order.
    void show(const Result &result) const
    {
        for (const auto &[box, number] : m_bound)
            box->showNumber(number(result));
    }

private:
    std::vector<std::pair<OutputBox *, double (*)(const Result &)>> m_bound;
};

} // namespace ulvane

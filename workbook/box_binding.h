#pragma once

#include "calc/lab_record.h"
#include "widgets/form_builder.h"
#include "widgets/masked_box.h"
#include "widgets/output_box.h"

#include <vector>

namespace ulvane {

// A box's text read as the studies read it, with ReadLeadingNumber: "5.**" is 5,
// "**12*" is 0.
double boxNumber(const MaskedBox &box);

// The number written into a result box as BoxNumberText cuts it to the box's
// character limit, with the user's decimal separator; returns the text written.
QString showNumber(OutputBox &box, double value);

// The rows of a study's binding table: the box that feeds a field of its calculation's
// inputs, or the box that shows a number of its result, with the quantity's short
// name in a record of the study.
template<typename Inputs>
struct InputField {
    const char *box;
    double Inputs::*field;
    const char *recordName;
};

template<typename Result>
struct ResultField {
    const char *box;
    double (*number)(const Result &);
    const char *recordName;
};

// A binding table with its boxes found once, as the tab is built.
template<typename Box, typename Row>
class BoundBoxes
{
public:
    BoundBoxes(const PlacedControls &controls, std::span<const Row> rows)
    {
        for (const Row &row : rows)
            m_rows.emplace_back(controls.get<Box>(row.box), row);
    }

    // Each input box, read as the studies read it, into the field it feeds; its text
    // as typed goes to the record.
    template<typename Inputs>
    void readInto(Inputs &inputs, std::vector<RecordEntry> &record) const
    {
        for (const auto &[box, row] : m_rows) {
            inputs.*row.field = boxNumber(*box);
            record.emplace_back(row.recordName, box->displayText().toStdString());
        }
    }

    // Each result box shows its number through NumberText, and the record the text.
    template<typename Result>
    void show(const Result &result, std::vector<RecordEntry> &record) const
    {
        for (const auto &[box, row] : m_rows)
            record.emplace_back(row.recordName, showNumber(*box, row.number(result)).toStdString());
    }

    // Each box with its row.
    auto begin() const { return m_rows.begin(); }
    auto end() const { return m_rows.end(); }

private:
    std::vector<std::pair<Box *, Row>> m_rows;
};

template<typename Inputs>
using InputBoxes = BoundBoxes<MaskedBox, InputField<Inputs>>;
template<typename Result>
using ResultBoxes = BoundBoxes<OutputBox, ResultField<Result>>;

} // namespace ulvane

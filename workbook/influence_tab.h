#pragma once

#include "calc/influence.h"
#include "workbook/box_binding.h"
#include "workbook/study_tab.h"

class QLabel;

namespace ulvane {

// A row of the influence study's binding table: the box of a condition, the field of
// the inputs it feeds, the condition whose range it announces and its short name in
// a record of the study.
struct ConditionField {
    const char *box;
    double InfluenceInputs::*field;
    InfluenceInput condition;
    const char *recordName;
};

// The first tab, the power-line influence study: a cable-choice page (Frame1) and a
// data page (Frame2) holding one of two result blocks (Frame3 norm met, Frame4
// protection needed).
//
// Data flow: leaving Mask1..Mask4 range-checks that box (message, reset text);
// "Расчет >>" reads the four boxes and the chosen option button into
// InfluenceInputs, refuses zeros, calls CalculateInfluence and writes the result
// into the boxes of Frame3 or Frame4. The page shown is StudyTab's; the boxes hold
// the inputs and results.
class InfluenceTab : public StudyTab
{
    Q_OBJECT

public:
    explicit InfluenceTab(MessageBox &messages);

private:
    bool calculate(StudyRecord &record) override;
    void InfluenceInputCheck(MaskedBox *box, InfluenceInput input);
    void ShowInfluenceResult(const InfluenceResult &result, std::vector<RecordEntry> &shown);

    BoundBoxes<MaskedBox, ConditionField> m_inputs;
    QWidget *m_normMetBlock;
    ResultBoxes<InfluenceResult> m_normMetResults;
    QWidget *m_protectionBlock;
    ResultBoxes<InfluenceResult> m_protectionResults;
    QLabel *m_conclusion;
};

} // namespace ulvane

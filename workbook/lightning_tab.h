#pragma once

#include "calc/lightning.h"
#include "workbook/box_binding.h"
#include "workbook/study_tab.h"

#include <array>

class QCheckBox;

namespace ulvane {

// The second tab, the lightning study: a cable-choice page (Frame5) that only shows
// the catalogue for reference, and a data page (Frame6) with seven inputs, the hose
// option and three result boxes.
//
// Data flow: "Расчет >>" reads the seven boxes and Check1 into LightningInputs, calls
// CalculateLightningDamage and writes N₀, N₁, N₂ into Text9, Text13, Text14. The
// page shown is StudyTab's; the boxes hold the inputs and results.
class LightningTab : public StudyTab
{
    Q_OBJECT

public:
    explicit LightningTab(MessageBox &messages);

private:
    bool calculate(StudyRecord &record) override;
    void onCheck1Clicked();

    InputBoxes<LightningInputs> m_inputs;
    InputBoxes<LightningInputs> m_hoseInputs;
    ResultBoxes<LightningResult> m_results;
    // Whether the cable lies in a hose: ticked, it replaces the soil by rows 6 and 7.
    QCheckBox *m_inHose;
    // Prompts 6 and 7, then their boxes: shown only for a cable in a hose.
    std::array<QWidget *, 4> m_hoseRows;
};

} // namespace ulvane

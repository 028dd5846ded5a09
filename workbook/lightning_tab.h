#pragma once

#include "calc/lightning.h"
#include "workbook/study_tab.h"

#include <array>

class QCheckBox;

namespace ulvane {

class MaskedBox;

// The second tab, the lightning study: a cable-choice page (Frame5) that only shows
// the catalogue for reference, and a data page (Frame6) with seven inputs, the hose
// option and three result boxes.
//
// Data flow: "Расчет >>" reads the seven boxes and the hose flag into
// LightningInputs, calls CalculateLightningDamage and writes N₀, N₁, N₂ into Text9,
// Text13, Text14. The caption of Label79 tells which page is shown.
class LightningTab : public StudyTab
{
    Q_OBJECT

public:
    explicit LightningTab(MessageBox &messages);

private:
    void onLabel79Clicked();
    void onLabel141Clicked();
    void onCheck1Clicked();
    LightningInputs ReadLightningInputs() const;
    void ShowLightningResult(const LightningResult &result);

    // CableInHose: written by Check1, read by the calculation.
    bool m_cableInHose = false;
    LinkLabel *m_forward;
    QCheckBox *m_inHose;
    // Prompts 6 and 7, then their boxes: shown only for a cable in a hose.
    std::array<QWidget *, 4> m_hoseRows;
};

} // namespace ulvane

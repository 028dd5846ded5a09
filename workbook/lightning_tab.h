#pragma once

#include "calc/lightning.h"
#include "workbook/catalogue_page.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;

namespace ulvane {

class LinkLabel;
class MaskedBox;
class MessageBox;
class OutputBox;

// The second tab, the lightning study: a cable-choice page (Frame5) that only shows
// the catalogue for reference, and a data page (Frame6) with seven inputs, the hose
// option and three result boxes.
//
// Data flow: "Расчет >>" reads the seven boxes and the hose flag into
// LightningInputs, calls CalculateLightningDamage and writes N₀, N₁, N₂ into Text9,
// Text13, Text14. The caption of Label79 tells which page is shown.
class LightningTab : public QWidget
{
    Q_OBJECT

public:
    explicit LightningTab(MessageBox &messages, QWidget *parent = nullptr);

    // Part of the window's load step.
    void chooseFirstCable();

    // The keyboard's way to the links, as a click would press them.
    void pressForwardLink();
    void pressBackLink();

    // Written by Check1, read by the calculation.
    bool CableInHose() const { return m_cableInHose; }

private:
    void buildDataPage();

    void onLabel79Clicked();
    void onLabel141Clicked();
    void onCheck1Clicked();
    LightningInputs ReadLightningInputs() const;
    void ShowLightningResult(const LightningResult &result);

    MessageBox &m_messages;
    bool m_cableInHose = false;
    CataloguePage m_cables;
    QLabel *m_stepCaption;
    QFrame *m_dataPage = nullptr;
    LinkLabel *m_back;
    LinkLabel *m_forward;
    QCheckBox *m_inHose = nullptr;
    // Boxes in display order, MaskEdBox3 first; the last two are the hose rows.
    std::array<MaskedBox *, 7> m_inputs{};
    // Prompts 6 and 7, then their boxes: shown only for a cable in a hose.
    std::array<QWidget *, 4> m_hoseRows{};
    OutputBox *m_damagesUnprotected = nullptr;
    OutputBox *m_damagesOneWire = nullptr;
    OutputBox *m_damagesTwoWires = nullptr;
};

} // namespace ulvane

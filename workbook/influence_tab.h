#pragma once

#include "calc/influence.h"
#include "workbook/catalogue_page.h"

#include <QWidget>

#include <array>

class QFrame;
class QGroupBox;
class QLabel;

namespace ulvane {

class LinkLabel;
class MaskedBox;
class MessageBox;
class OutputBox;

// The first tab, the power-line influence study: a cable-choice page (Frame1) and a
// data page (Frame2) holding one of two result blocks (Frame3 norm met, Frame4
// protection needed).
//
// Data flow: leaving Mask1..Mask4 range-checks that box (message, reset text);
// "Расчет >>" reads the four boxes and the chosen option button into
// InfluenceInputs, refuses zeros, calls CalculateInfluence and writes the result
// into the boxes of Frame3 or Frame4. The controls' own texts and visibility are the
// whole state of the tab.
class InfluenceTab : public QWidget
{
    Q_OBJECT

public:
    explicit InfluenceTab(MessageBox &messages, QWidget *parent = nullptr);

    // Part of the window's load step.
    void chooseFirstCable();

    // The keyboard's way to the links: press the forward or calculate link that is
    // shown, or "<< Назад", as a click would.
    void pressForwardLink();
    void pressBackLink();

private:
    void buildDataPage();
    void buildNormMetBlock(QWidget *dataPage);
    void buildProtectionBlock(QWidget *dataPage);

    void onLabel52Clicked();
    void onLabel54Clicked();
    void onLabel53Clicked();
    void InfluenceInputCheck(InfluenceInput input);
    InfluenceInputs ReadInfluenceInputs() const;
    void ShowInfluenceResult(const InfluenceResult &result);

    MessageBox &m_messages;
    CataloguePage m_cables;
    QLabel *m_stepCaption;
    QLabel *m_dataStepCaption;
    QGroupBox *m_dataPage = nullptr;
    LinkLabel *m_back;
    LinkLabel *m_forward;
    LinkLabel *m_calculate;
    std::array<MaskedBox *, 4> m_inputs{};
    QFrame *m_normMetBlock = nullptr;
    OutputBox *m_emfWithinNorm = nullptr;
    OutputBox *m_permissibleVoltage = nullptr;
    QFrame *m_protectionBlock = nullptr;
    OutputBox *m_emf = nullptr;
    OutputBox *m_emfWire120 = nullptr;
    OutputBox *m_emfWire70 = nullptr;
    QLabel *m_conclusion = nullptr;
};

} // namespace ulvane

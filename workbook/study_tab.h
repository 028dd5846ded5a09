#pragma once

#include "widgets/form_builder.h"
#include "workbook/catalogue_page.h"

#include <QWidget>

class QLabel;

namespace ulvane {

class LinkLabel;
class MessageBox;

// A study's pages and links by name, and how its flow differs from the other's: the
// calculate link is the forward link itself, re-captioned, or one shown in its place;
// on the data page the step caption takes the text of a hidden label, or hides; back
// on the cable page it takes a text of its own, or shows again.
struct StudyPages {
    std::span<const ControlRow> rows;
    const char *stepCaption;
    const char *cataloguePage;
    const CataloguePageLayout &catalogue;
    const char *dataPage;
    std::span<const ControlRow> dataRows;
    const char *back;
    const char *forward;
    const char *calculate;
    const char *dataStepCaption = nullptr;
    const char *returnStepCaption = nullptr;
};

// What both studies share: a step caption, a cable-choice page with the catalogue, a
// data page, and the links that move between them and run the study's calculate().
// Inputs, results and the cable choice stay as they are across the moves.
class StudyTab : public QWidget
{
    Q_OBJECT

public:
    // Part of the window's load step.
    void chooseFirstCable();

    // The keyboard's way to the links: press the forward link that is shown, or the
    // back link, as a click would.
    void pressForwardLink();
    void pressBackLink();

protected:
    StudyTab(MessageBox &messages, const StudyPages &pages);

    // Reads the bound boxes, calculates and shows the result, or says why it cannot.
    virtual void calculate() = 0;

    MessageBox &m_messages;
    PlacedControls m_controls;
    CataloguePage m_cables;

private:
    void onForwardClicked();
    void onCalculateClicked();
    void onBackClicked();

    QLabel *m_stepCaption;
    QLabel *m_dataStepCaption = nullptr;
    const char *m_returnStepCaption;
    QWidget *m_dataPage;
    LinkLabel *m_back;
    LinkLabel *m_forward;
    LinkLabel *m_calculate;
};

} // namespace ulvane

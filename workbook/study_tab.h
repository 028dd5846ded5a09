#pragma once

#include "calc/lab_record.h"
#include "widgets/form_builder.h"
#include "workbook/catalogue_page.h"

#include <QWidget>

#include <variant>

class QLabel;

namespace ulvane {

class LinkLabel;
class MessageBox;

// The page a study's tab shows: the tab's state, which showPage() puts on screen.
enum class StudyPage { Cables, Data };

// The influence study's flow: a calculate link of its own shows in the forward link's
// place on the data page; there the step caption takes the text of a hidden label,
// and back on the cable page a text of its own.
struct OwnCalculateLink {
    const char *link;
    const char *dataStepCaptionLabel;
    const char *returnStepCaption;
};

// The lightning study's flow: its one link moves forward, then calculates; the step
// caption hides on the data page.
struct ForwardLinkCalculates {};

// A study's identifier in its records, its pages and links by name, and how its flow
// differs from the other's.
struct StudyPages {
    const char *study;
    std::span<const ControlRow> rows;
    const char *stepCaption;
    const char *cataloguePage;
    const CataloguePageLayout &catalogue;
    const char *dataPage;
    std::span<const ControlRow> dataRows;
    const char *back;
    const char *forward;
    std::variant<OwnCalculateLink, ForwardLinkCalculates> flow;
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

signals:
    // The study has written a result into its boxes, as the record tells; a refused
    // calculation, which says why instead, sends nothing.
    void resultShown(const ulvane::StudyRecord &record);

protected:
    StudyTab(MessageBox &messages, const StudyPages &pages);

    // Reads the bound boxes, calculates and shows the result, adding the inputs as
    // typed and the texts shown to the record; or says why it cannot and returns false.
    virtual bool calculate(StudyRecord &record) = 0;

    MessageBox &m_messages;
    PlacedControls m_controls;
    CataloguePage m_cables;

private:
    // The influence study's calculate link and its step captions.
    struct OwnLink {
        LinkLabel *link;
        QString dataStepCaption;
        QString returnStepCaption;
        // Once used, it lends the forward link its caption for good, though the
        // forward link still only moves.
        bool used = false;
    };
    using Flow = std::variant<OwnLink, ForwardLinkCalculates>;

    Flow bindFlow(const StudyPages &pages);
    void showPage(StudyPage page);
    void showStepCaption(bool data, bool returning);
    void showLinks(bool data);
    void onForwardClicked();
    void onCalculateClicked();
    void onBackClicked();
    void calculateAndTell();

    const char *m_study;
    StudyPage m_page = StudyPage::Cables;
    QLabel *m_stepCaption;
    QWidget *m_dataPage;
    LinkLabel *m_back;
    LinkLabel *m_forward;
    Flow m_flow;
};

} // namespace ulvane

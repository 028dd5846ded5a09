#include "app/admission_test_page.h"

#include "widgets/form_builder.h"
#include "widgets/message_box.h"
#include "widgets/spin_arrows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace ulvane {

namespace {

using enum ControlKind;

const ControlRow PageRows[] = {
    {Label, "Label3", "Тест (5 вопросов)", {3360, 240, 4935, 495}, {Typeface::Sans, 24, {.bold = true}},
     TopCentred, colours::LinkBlue},
    // A rectangle around the viewport; the viewport hides the middle of its left side,
    // which Line1 draws from inside.
    {Line, "Line4", "", {240, 720, 11760, 720}},
    {Line, "Line5", "", {11760, 720, 11760, 7560}},
    {Line, "Line6", "", {240, 7560, 11760, 7560}},
    {Line, "Line2", "", {240, 720, 240, 840}},
    {Line, "Line7", "", {240, 7455, 240, 7560}},
    {Panel, "Frame3", "", {120, 840, 11535, 6615}, DialogFont, TopLeft, colours::PageGrey},
};

// After the questions, so that Tab reaches it after the answers.
const ControlRow ButtonRows[] = {
    {CommandButton, "Command2", "Вперед >>", {4560, 7680, 2415, 615}, ButtonFont},
};

// The viewport Frame3: the five questions on a strip taller than it, and the arrows.
const ControlRow ViewportRows[] = {
    {Line, "Line1", "", {120, 0, 120, 6615}},
    {GroupBox, "Frame4", "1. Какие основные внешние электромагнитные источники влияют на линии связи ?",
     {240, 360, 10695, 1455}, LargerFont, TopLeft, colours::PageGrey},
    {GroupBox, "Frame5",
     "2. Укажите электромагнитные влияния, вызывающие разрушение линейных сооружений и станционной  ",
     {240, 1920, 10695, 1575}, LargerFont, TopLeft, colours::PageGrey},
    {GroupBox, "Frame6", "3.Внешние источники, оказызывающие только мешающие влияния на линии связи",
     {240, 3720, 10695, 1575}, LargerFont, TopLeft, colours::PageGrey},
    {GroupBox, "Frame7", "4. Какие виды защиты применяют от ударов молнии ?", {240, 5280, 10740, 1455},
     LargerFont, TopLeft, colours::PageGrey},
    {GroupBox, "Frame8", "5. Для чего применяется заземление в технике проводной связи ?",
     {240, 7080, 10625, 1575}, LargerFont, TopLeft, colours::PageGrey},
    {UpDown, "UpDown1", "", {11280, 0, 240, 6495}, DialogFont, TopLeft, PagingStep{500}},
};

const ControlRow Question1[] = {
    {CheckBox, "Check1", "  атмосферное электричество", {120, 360, 3735, 255}},
    {CheckBox, "Check15", "промышленные электрические установки", {3720, 360, 3735, 255}},
    {CheckBox, "Check2", "  линии электропередачи", {120, 720, 2415, 255}},
    {CheckBox, "Check16", "соседние цепи данной линий связи", {3720, 720, 3375, 255}},
    {CheckBox, "Check3", " радиостанции", {120, 1080, 1575, 255}},
};

// "10 B", "36 B" and "100 B" end in a Latin B.
const ControlRow Question2[] = {
    {Label, "Label4",
     "аппаратуры а также  min.  наведенное напряжение, превышение которого считается опасным. ",
     {360, 360, 9855, 255}, LargerFont},
    {CheckBox, "Check4", "  опасные влияния", {120, 720, 2055, 255}},
    {CheckBox, "Check17", "10 B", {2760, 720, 735, 255}},
    {CheckBox, "Check18", "36 B", {3720, 720, 855, 255}},
    {CheckBox, "Check19", "100 B", {4680, 720, 855, 255}},
    {CheckBox, "Check5", "  мешающие влияния", {120, 1080, 1935, 255}},
};

const ControlRow Question3[] = {
    {CheckBox, "Check6", "  линии электропередачи", {120, 360, 2775, 255}},
    {CheckBox, "Check7", "  атмосферное электричество", {120, 720, 3015, 255}},
    {CheckBox, "Check8", "  передающие радиостанции", {120, 1080, 2775, 255}},
};

const ControlRow Question4[] = {
    {CheckBox, "Check9", "  использование металлических грозостойких кабелей", {120, 360, 4575, 255}},
    {CheckBox, "Check10", "  прокладка металлических подземных тросов", {120, 720, 3975, 255}},
    {CheckBox, "Check11", "  применение редукционных трансформаторов", {120, 1080, 3975, 255}},
};

const ControlRow Question5[] = {
    {CheckBox, "Check12", "  для защиты линейных сооружений связи", {120, 360, 4935, 375}},
    {CheckBox, "Check13", "  для защиты обслуживающего персонала", {120, 720, 4215, 375}},
    {CheckBox, "Check14", "  для защиты от температурных влияний в различные времена года",
     {120, 1080, 5775, 375}},
};

const std::span<const ControlRow> QuestionRows[] = {Question1, Question2, Question3, Question4, Question5};

// The boxes a pass needs ticked; every other box of the first four questions must be
// clear, and the fifth question counts for nothing.
const QStringList TickedForPass = {"Check1", "Check15", "Check2", "Check3", "Check4",
                                   "Check18", "Check8", "Check9", "Check10"};
constexpr std::size_t GradedQuestions = 4;

// The strip moves only while the last question's Top is within these bounds.
constexpr double LowestLastTop = 5000;
constexpr double HighestLastTop = 6800;

} // namespace

AdmissionTestPage::AdmissionTestPage(MessageBox &messages, QWidget *parent)
    : QFrame(parent)
    , m_messages(messages)
{
    const PlacedControls page = placeRows(this, PageRows);
    auto *title = page.get<QLabel>("Label3");
    // A 24 pt line is taller than the title's 495 twips: its leading goes above the
    // label, so the descenders end clear of the frame line just below. Qt raises a
    // negative margin to the safe area's (none) unless told not to.
    title->setAttribute(Qt::WA_ContentsMarginsRespectsSafeArea, false);
    title->setContentsMargins(0, title->height() - 2 - title->fontMetrics().height(), 0, 0);

    const PlacedControls viewport = placeRows(page.get("Frame3"), ViewportRows);
    for (const ControlRow &row : ViewportRows) {
        if (row.kind == GroupBox) {
            m_questions.append(viewport.get<QGroupBox>(row.name));
            m_questionTops.append(row.rect.top);
        }
    }
    for (std::size_t i = 0; i < std::size(QuestionRows); ++i) {
        const PlacedControls answers = placeRows(m_questions[qsizetype(i)], QuestionRows[i]);
        for (const ControlRow &row : QuestionRows[i]) {
            if (row.kind == CheckBox && i < GradedQuestions)
                m_gradedAnswers.append({answers.get<QCheckBox>(row.name), TickedForPass.contains(row.name)});
        }
    }

    m_pager = viewport.get<SpinArrows>("UpDown1");
    connect(m_pager, &SpinArrows::downClicked, this, &AdmissionTestPage::onUpDown1DownClicked);
    connect(m_pager, &SpinArrows::upClicked, this, &AdmissionTestPage::onUpDown1UpClicked);
    connect(placeRows(this, ButtonRows).get<QPushButton>("Command2"), &QPushButton::clicked, this,
            &AdmissionTestPage::onCommand2Clicked);
}

void AdmissionTestPage::onUpDown1DownClicked()
{
    if (m_questionTops.back() > LowestLastTop)
        moveQuestions(-1);
}

void AdmissionTestPage::onUpDown1UpClicked()
{
    if (m_questionTops.back() < HighestLastTop)
        moveQuestions(+1);
}

void AdmissionTestPage::moveQuestions(int direction)
{
    for (qsizetype i = 0; i < m_questions.size(); ++i) {
        // A Top is a single-precision value.
        m_questionTops[i] = static_cast<float>(m_questionTops[i] + direction * m_pager->value());
        QGroupBox *frame = m_questions[i];
        frame->move(frame->x(), twips(static_cast<int>(m_questionTops[i])));
    }
}

void AdmissionTestPage::onCommand2Clicked()
{
    bool passedAll = true;
    for (const GradedAnswer &answer : std::as_const(m_gradedAnswers))
        passedAll = passedAll && answer.box->isChecked() == answer.tickedForPass;
    if (!passedAll) {
        m_messages.show(window(), QStringLiteral("Тест не пройден"));
        return;
    }
    emit passed();
}

} // namespace ulvane

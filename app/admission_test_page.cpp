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

struct Question {
    const char *frameName;
    const char *caption;
    int left, top, width, height;
};

const std::array<Question, 5> Questions{{
    {"Frame4", "1. Какие основные внешние электромагнитные источники влияют на линии связи ?", 240,
     360, 10695, 1455},
    {"Frame5",
     "2. Укажите электромагнитные влияния, вызывающие разрушение линейных сооружений и станционной  ",
     240, 1920, 10695, 1575},
    {"Frame6", "3.Внешние источники, оказызывающие только мешающие влияния на линии связи", 240, 3720,
     10695, 1575},
    {"Frame7", "4. Какие виды защиты применяют от ударов молнии ?", 240, 5280, 10740, 1455},
    {"Frame8", "5. Для чего применяется заземление в технике проводной связи ?", 240, 7080, 10625,
     1575},
}};

enum class Key { Ticked, Clear, NotGraded };

struct Answer {
    int question; // 0-based index into Questions
    const char *name;
    const char *caption;
    int left, top, width, height;
    Key key;
};

// In display order within each question. "10 B", "36 B" and "100 B" end in a Latin B.
const std::array<Answer, 19> Answers{{
    {0, "Check1", "  атмосферное электричество", 120, 360, 3735, 255, Key::Ticked},
    {0, "Check15", "промышленные электрические установки", 3720, 360, 3735, 255, Key::Ticked},
    {0, "Check2", "  линии электропередачи", 120, 720, 2415, 255, Key::Ticked},
    {0, "Check16", "соседние цепи данной линий связи", 3720, 720, 3375, 255, Key::Clear},
    {0, "Check3", " радиостанции", 120, 1080, 1575, 255, Key::Ticked},
    {1, "Check4", "  опасные влияния", 120, 720, 2055, 255, Key::Ticked},
    {1, "Check17", "10 B", 2760, 720, 735, 255, Key::Clear},
    {1, "Check18", "36 B", 3720, 720, 855, 255, Key::Ticked},
    {1, "Check19", "100 B", 4680, 720, 855, 255, Key::Clear},
    {1, "Check5", "  мешающие влияния", 120, 1080, 1935, 255, Key::Clear},
    {2, "Check6", "  линии электропередачи", 120, 360, 2775, 255, Key::Clear},
    {2, "Check7", "  атмосферное электричество", 120, 720, 3015, 255, Key::Clear},
    {2, "Check8", "  передающие радиостанции", 120, 1080, 2775, 255, Key::Ticked},
    {3, "Check9", "  использование металлических грозостойких кабелей", 120, 360, 4575, 255,
     Key::Ticked},
    {3, "Check10", "  прокладка металлических подземных тросов", 120, 720, 3975, 255, Key::Ticked},
    {3, "Check11", "  применение редукционных трансформаторов", 120, 1080, 3975, 255, Key::Clear},
    {4, "Check12", "  для защиты линейных сооружений связи", 120, 360, 4935, 375, Key::NotGraded},
    {4, "Check13", "  для защиты обслуживающего персонала", 120, 720, 4215, 375, Key::NotGraded},
    {4, "Check14", "  для защиты от температурных влияний в различные времена года", 120, 1080, 5775,
     375, Key::NotGraded},
}};

// The strip moves only while the last question's Top is within these bounds.
constexpr double LowestLastTop = 5000;
constexpr double HighestLastTop = 6800;

} // namespace

AdmissionTestPage::AdmissionTestPage(MessageBox &messages, QWidget *parent)
    : QFrame(parent)
    , m_messages(messages)
{
    auto *title = addLabel(this, "Label3", QStringLiteral("Тест (5 вопросов)"), 3360, 240, 4935, 495,
                           sansFont(24, {.bold = true}), Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(title, colours::LinkBlue);
    // A 24 pt line is taller than the title's 495 twips: its leading goes above the
    // label, so the descenders end clear of the frame line just below.
    title->setContentsMargins(0, title->height() - 2 - title->fontMetrics().height(), 0, 0);

    // A rectangle around the viewport; the viewport hides the middle of its left side,
    // which Line1 draws from inside.
    addLine(this, 240, 720, 11760, 720)->setObjectName(QStringLiteral("Line4"));
    addLine(this, 11760, 720, 11760, 7560)->setObjectName(QStringLiteral("Line5"));
    addLine(this, 240, 7560, 11760, 7560)->setObjectName(QStringLiteral("Line6"));
    addLine(this, 240, 720, 240, 840)->setObjectName(QStringLiteral("Line2"));
    addLine(this, 240, 7455, 240, 7560)->setObjectName(QStringLiteral("Line7"));

    QWidget *viewport = addPanel(this, "Frame3", 120, 840, 11535, 6615, colours::PageGrey);
    addLine(viewport, 120, 0, 120, 6615)->setObjectName(QStringLiteral("Line1"));
    buildQuestionStrip(viewport);

    m_pager = place(new SpinArrows(500, viewport), "UpDown1", 11280, 0, 240, 6495);
    connect(m_pager, &SpinArrows::downClicked, this, &AdmissionTestPage::onUpDown1DownClicked);
    connect(m_pager, &SpinArrows::upClicked, this, &AdmissionTestPage::onUpDown1UpClicked);

    auto *grade = addCommandButton(this, "Command2", QStringLiteral("Вперед >>"), 4560, 7680, 2415, 615);
    connect(grade, &QPushButton::clicked, this, &AdmissionTestPage::onCommand2Clicked);
}

void AdmissionTestPage::buildQuestionStrip(QWidget *viewport)
{
    for (std::size_t i = 0; i < Questions.size(); ++i) {
        const Question &question = Questions[i];
        auto *frame = place(new QGroupBox(QString::fromUtf8(question.caption), viewport),
                            question.frameName, question.left, question.top, question.width,
                            question.height);
        frame->setFont(sansFont(LargerFontPoints));
        fillBackground(frame, colours::PageGrey);
        m_questions[i] = frame;
        m_questionTops[i] = question.top;
    }
    addLabel(m_questions[1], "Label4",
             QStringLiteral("аппаратуры а также  min.  наведенное напряжение, превышение которого "
                            "считается опасным. "),
             360, 360, 9855, 255, sansFont(LargerFontPoints));

    for (std::size_t i = 0; i < Answers.size(); ++i) {
        const Answer &answer = Answers[i];
        auto *box = place(new QCheckBox(QString::fromUtf8(answer.caption),
                                        m_questions[static_cast<std::size_t>(answer.question)]),
                          answer.name, answer.left, answer.top, answer.width, answer.height);
        box->setFont(sansFont(DialogFontPoints));
        m_answers[i] = box;
    }
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
    for (std::size_t i = 0; i < m_questions.size(); ++i) {
        // A Top is a single-precision value.
        m_questionTops[i] = static_cast<float>(m_questionTops[i] + direction * m_pager->value());
        QGroupBox *frame = m_questions[i];
        frame->move(frame->x(), twips(static_cast<int>(m_questionTops[i])));
    }
}

void AdmissionTestPage::onCommand2Clicked()
{
    bool passedAll = true;
    for (std::size_t i = 0; i < Answers.size(); ++i) {
        if (Answers[i].key != Key::NotGraded)
            passedAll = passedAll && m_answers[i]->isChecked() == (Answers[i].key == Key::Ticked);
    }
    if (!passedAll) {
        m_messages.show(window(), QStringLiteral("Тест не пройден"));
        return;
    }
    emit passed();
}

} // namespace ulvane

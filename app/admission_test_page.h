#pragma once

#include <QFrame>

#include <array>

class QCheckBox;
class QGroupBox;

namespace ulvane {

class MessageBox;
class SpinArrows;

// The test page Frame2 of the start window: five questions on a strip taller than
// its viewport, paged with UpDown1, graded by Command2 against a fixed key.
class AdmissionTestPage : public QFrame
{
    Q_OBJECT

public:
    AdmissionTestPage(MessageBox &messages, QWidget *parent);

signals:
    void passed();

private:
    void buildQuestionStrip(QWidget *viewport);
    void onUpDown1DownClicked();
    void onUpDown1UpClicked();
    void moveQuestions(int direction);
    void onCommand2Clicked();

    MessageBox &m_messages;
    SpinArrows *m_pager = nullptr;
    std::array<QGroupBox *, 5> m_questions{};
    // The frames' Tops in twips, kept exactly; pixels are derived from them.
    std::array<double, 5> m_questionTops{};
    std::array<QCheckBox *, 19> m_answers{};
};

} // namespace ulvane

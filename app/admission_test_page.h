#pragma once

#include <QFrame>

#include <QList>

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
    struct GradedAnswer {
        QCheckBox *box;
        bool tickedForPass;
    };

    void onUpDown1DownClicked();
    void onUpDown1UpClicked();
    void moveQuestions(int direction);
    void onCommand2Clicked();

    MessageBox &m_messages;
    SpinArrows *m_pager;
    QList<QGroupBox *> m_questions;
    // The frames' Tops in twips, kept exactly; pixels are derived from them.
    QList<double> m_questionTops;
    QList<GradedAnswer> m_gradedAnswers;
};

} // namespace ulvane

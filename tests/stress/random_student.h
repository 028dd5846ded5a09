#pragma once

#include "app/program.h"
#include "widgets/message_box.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class QWidget;

namespace ulvane {

class WorkbookWindow;

// A student who does anything, in any order: a seeded generator of clicks and keys
// over the real windows, with the program's invariants checked after every action.
class RandomStudent
{
public:
    explicit RandomStudent(std::uint32_t seed);

    // Runs until the given number of workbook actions or the first broken invariant;
    // returns the broken invariant, or an empty string.
    std::string run(int workbookActions);

    // The seed and the last actions, to replay a failure.
    std::string replayNote() const;

private:
    class CheckingMessageBox : public MessageBox
    {
    public:
        void show(QWidget *parent, const QString &text) override;

        QStringList shown;
        int open = 0;
        int mostOpenAtOnce = 0;
    };

    // What the student could see before an action, to tell what the action changed.
    struct Snapshot {
        QMap<QString, QString> boxTexts;
        QMap<QString, bool> ticks; // option buttons and Check1
        QString focusedBox;
    };

    void enterWorkbook();
    void actOnStartWindow(QWidget *startWindow);
    // False when the action drawn is not possible on the page shown.
    bool actInWorkbook();

    // A workbook control by its name.
    QWidget *control(const QString &name) const;
    QWidget *control(const char *name) const;

    Snapshot snapshot() const;
    std::string brokenInvariant(const Snapshot &before, const QString &action);
    std::string brokenPageInvariant() const;
    std::string brokenResultInvariant() const;
    std::string brokenInputInvariant(const Snapshot &before, const QString &action) const;

    int pick(int count);
    bool chance(double probability);
    void note(const QString &action);

    std::uint32_t m_seed;
    std::mt19937 m_random;
    CheckingMessageBox m_messages;
    Program m_program{m_messages};
    WorkbookWindow *m_workbook = nullptr;
    QHash<QString, QWidget *> m_controls;
    bool m_influenceCalculated = false;
    std::vector<std::string> m_actions;
};

} // namespace ulvane

#pragma once

#include "support/scripted_student.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <ostream>
#include <span>

// Lets a failing expectation print the texts it compared.
inline std::ostream &operator<<(std::ostream &out, const QString &text)
{
    return out << text.toStdString();
}

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << text.toStdString();
}

namespace ulvane {

// The boxes of the admission test that pass it; question five counts for nothing.
inline const QStringList AnswerKey = {"Check1", "Check2", "Check3", "Check15", "Check4",
                                      "Check18", "Check8", "Check9", "Check10"};

// A scripted student for each test, at a freshly started program in the C locale. A
// script that names a missing control fails its own test, naming the control.
class StudentTest : public testing::Test, public ScriptedStudent
{
protected:
    void SetUp() override { restart(); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // A step of a page flow: its actions, then the controls the student sees and what
    // was said: a message shown, or what the platform was told, never both at once.
    struct Step {
        const char *name;
        QString actions;
        QString seen;
        QString said;
    };

    // One walk through the pages, each step acting where the last one left off.
    void walk(const QString &controls, std::span<const Step> steps)
    {
        for (const Step &step : steps) {
            act(step.actions);
            EXPECT_EQ(seen(controls), step.seen) << step.name;
            EXPECT_EQ(messages.take() + platform.take(), step.said) << step.name;
        }
    }
};

} // namespace ulvane

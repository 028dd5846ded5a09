#pragma once

#include "support/scripted_student.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <ostream>

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
};

} // namespace ulvane

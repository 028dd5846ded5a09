#pragma once

#include "app/program.h"
#include "app/start_window.h"
#include "support/recording_message_box.h"
#include "support/student.h"
#include "workbook/workbook_window.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace ulvane {

// A started program with its start window shown and active.
class StartTest : public testing::Test
{
protected:
    void SetUp() override
    {
        program.start();
        window = program.startWindow();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void click(const char *name) { student::click(window, name); }
    bool visible(const char *name) { return student::find(window, name)->isVisible(); }

    // Lets a closed window's deferred deletion happen.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    bool handedOver()
    {
        settle();
        return program.startWindow() == nullptr && program.workbook()
               && program.workbook()->isVisible();
    }

    RecordingMessageBox messages;
    Program program{messages};
    StartWindow *window = nullptr;
};

} // namespace ulvane

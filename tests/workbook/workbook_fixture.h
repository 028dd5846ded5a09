#pragma once

#include "support/recording_message_box.h"
#include "support/student.h"
#include "widgets/masked_box.h"
#include "widgets/tab_container.h"
#include "workbook/lightning_tab.h"
#include "workbook/workbook_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

namespace ulvane {

// A fresh, shown and active workbook window for every test.
class WorkbookTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void showTab(int index) { tabs()->setCurrentIndex(index); }
    TabContainer *tabs() { return student::find<TabContainer>(&window, "SSTab1"); }

    void click(const char *name) { student::click(&window, name); }
    void typeInto(const char *name, const QString &keys) { student::typeInto(&window, name, keys); }
    void pressTab() { student::pressTab(&window); }

    bool visible(const char *name) { return student::find(&window, name)->isVisible(); }
    bool enabled(const char *name) { return student::find(&window, name)->isEnabled(); }

    // What the student sees on a label, button, output box or masked box.
    QString shown(const char *name)
    {
        QWidget *control = student::find(&window, name);
        if (auto *label = qobject_cast<QLabel *>(control))
            return label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            return button->text();
        return student::find<QLineEdit>(&window, name)->displayText();
    }

    void setText(const char *name, const QString &text)
    {
        student::find<QLineEdit>(&window, name)->setText(text);
    }

    RecordingMessageBox messages;
    WorkbookWindow window{messages};
};

} // namespace ulvane

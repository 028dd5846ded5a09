#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

namespace ulvane {
namespace {

QStringList said;

void keepMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    said << text;
}

// The widget tests start as the program does; a release build's console gets Qt's
// warnings but none of its debug lines, of its own categories or plain ones.
TEST(StartUpTest, ReleaseBuildsKeepDebugLinesOffTheConsole)
{
    said.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    const QLoggingCategory pages("ulvane.pages");
    qDebug("TODO: implement handleRadioButtonUpdate");
    qCDebug(pages, "an element");
    qWarning("a warning");
    qCWarning(pages, "a warning of a category");
    qCritical("an error");
    qInstallMessageHandler(previous);
#ifdef QT_NO_DEBUG
    EXPECT_EQ(said, QStringList({"a warning", "a warning of a category", "an error"}));
#else
    EXPECT_EQ(said, QStringList({"TODO: implement handleRadioButtonUpdate", "an element", "a warning",
                                 "a warning of a category", "an error"}));
#endif
}

} // namespace
} // namespace ulvane

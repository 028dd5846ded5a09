// Saves a PNG of every page of the workbook window into the folder given, for a
// person to look at: clipped or overlapping text shows there, not in a test.
#include "support/recording_message_box.h"
#include "support/student.h"
#include "widgets/fonts.h"
#include "widgets/tab_container.h"
#include "workbook/workbook_window.h"

#include <QApplication>
#include <QDir>
#include <QTabBar>

using namespace ulvane;

namespace {

void save(QWidget *window, const QDir &folder, const QString &name)
{
    QApplication::processEvents();
    window->grab().save(folder.filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    installFontSubstitutions();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    RecordingMessageBox messages;
    WorkbookWindow window(messages);
    window.show();
    auto *tabs = student::find<TabContainer>(&window, "SSTab1");

    save(&window, folder, QStringLiteral("1-lightning-cables"));
    student::click(&window, "Label79");
    student::typeInto(&window, "MaskEdBox3", QStringLiteral("3800"));
    student::typeInto(&window, "MaskEdBox2", QStringLiteral("14"));
    student::typeInto(&window, "MaskEdBox1", QStringLiteral("210"));
    student::typeInto(&window, "MaskEdBox4", QStringLiteral("2000"));
    student::typeInto(&window, "MaskEdBox5", QStringLiteral("40"));
    student::click(&window, "Check1");
    student::typeInto(&window, "MaskEdBox6", QStringLiteral("10"));
    student::typeInto(&window, "MaskEdBox7", QStringLiteral("200"));
    student::click(&window, "Label79");
    save(&window, folder, QStringLiteral("2-lightning-data"));

    tabs->setCurrentIndex(0);
    student::click(&window, "Option14");
    save(&window, folder, QStringLiteral("3-influence-cables"));
    student::click(&window, "Label52");
    student::typeInto(&window, "Mask1", QStringLiteral("100"));
    student::typeInto(&window, "Mask2", QStringLiteral("100"));
    student::typeInto(&window, "Mask3", QStringLiteral("1000"));
    student::typeInto(&window, "Mask4", QStringLiteral("100"));
    student::click(&window, "Label54");
    save(&window, folder, QStringLiteral("4-influence-norm-met"));
    student::typeInto(&window, "Mask2", QStringLiteral("010"));
    student::click(&window, "Label54");
    save(&window, folder, QStringLiteral("5-influence-not-suitable"));
    student::typeInto(&window, "Mask2", QStringLiteral("043"));
    student::click(&window, "Label54");
    save(&window, folder, QStringLiteral("6-influence-wire-120"));
    student::click(&window, "Label53");
    save(&window, folder, QStringLiteral("7-influence-after-return"));
    return 0;
}

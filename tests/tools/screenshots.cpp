// Saves a PNG of every page of both windows into the folder given, for a person to
// look at: clipped or overlapping text shows there, not in a test.
#include "app/program.h"
#include "app/start_window.h"
#include "support/recording_message_box.h"
#include "support/student.h"
#include "widgets/fonts.h"
#include "widgets/tab_container.h"
#include "workbook/workbook_window.h"

#include <QApplication>
#include <QAbstractButton>
#include <QDir>

using namespace ulvane;

namespace {

class Camera
{
public:
    explicit Camera(const QString &folder)
        : m_folder(folder)
    {
    }

    void take(QWidget *window, const QString &name)
    {
        QApplication::processEvents();
        window->grab().save(m_folder.filePath(name + QStringLiteral(".png")));
    }

private:
    QDir m_folder;
};

void typeAll(QWidget *window, std::initializer_list<std::pair<const char *, const char *>> inputs)
{
    for (const auto &[box, keys] : inputs)
        student::typeInto(window, box, QString::fromLatin1(keys));
}

// The start page with a typed code, the test page at its start and after five clicks
// on the down arrow, then the way into the workbook through the test.
void photographStartWindow(QWidget *start, Camera &camera)
{
    student::typeInto(start, "Text1", QStringLiteral("R28"));
    camera.take(start, QStringLiteral("start-1-page"));
    student::click(start, "Command1");
    camera.take(start, QStringLiteral("start-2-test"));
    for (int i = 0; i < 5; ++i)
        student::click(start, "down");
    camera.take(start, QStringLiteral("start-3-test-paged"));
}

void photographWorkbook(WorkbookWindow *workbook, Camera &camera)
{
    camera.take(workbook, QStringLiteral("workbook-1-lightning-cables"));
    student::click(workbook, "Label79");
    typeAll(workbook, {{"MaskEdBox3", "3800"}, {"MaskEdBox2", "14"}, {"MaskEdBox1", "210"},
                       {"MaskEdBox4", "2000"}, {"MaskEdBox5", "40"}});
    student::click(workbook, "Check1");
    typeAll(workbook, {{"MaskEdBox6", "10"}, {"MaskEdBox7", "200"}});
    student::click(workbook, "Label79");
    camera.take(workbook, QStringLiteral("workbook-2-lightning-data"));

    student::find<TabContainer>(workbook, "SSTab1")->setCurrentIndex(0);
    student::click(workbook, "Option14");
    camera.take(workbook, QStringLiteral("workbook-3-influence-cables"));
    student::click(workbook, "Label52");
    typeAll(workbook, {{"Mask1", "100"}, {"Mask2", "100"}, {"Mask3", "1000"}, {"Mask4", "100"}});
    student::click(workbook, "Label54");
    camera.take(workbook, QStringLiteral("workbook-4-influence-norm-met"));
    const std::pair<const char *, const char *> widths[] = {{"010", "not-suitable"}, {"043", "wire-120"}};
    int shot = 5;
    for (const auto &[width, outcome] : widths) {
        student::typeInto(workbook, "Mask2", QString::fromLatin1(width));
        student::click(workbook, "Label54");
        camera.take(workbook, QStringLiteral("workbook-%1-influence-%2").arg(shot++).arg(QLatin1String(outcome)));
    }
    student::click(workbook, "Label53");
    camera.take(workbook, QStringLiteral("workbook-7-influence-after-return"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    installFontSubstitutions();
    Camera camera(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    RecordingMessageBox messages;
    Program program(messages);
    program.start();
    photographStartWindow(program.startWindow(), camera);

    QWidget *start = program.startWindow();
    for (const char *box : {"Check1", "Check2", "Check3", "Check15", "Check4", "Check18", "Check8",
                            "Check9", "Check10"})
        student::find<QAbstractButton>(start, box)->setChecked(true);
    student::click(start, "Command2");
    photographWorkbook(program.workbook(), camera);
    return 0;
}

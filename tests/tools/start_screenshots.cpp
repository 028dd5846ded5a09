// Saves PNGs of the start window's pages into the folder given, for a person to
// look at: the start page with a typed code, the test page at its start and after
// five clicks on the down arrow.
#include "app/program.h"
#include "app/start_window.h"
#include "support/recording_message_box.h"
#include "support/student.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QDir>

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
    Program program(messages);
    program.start();
    QWidget *window = program.startWindow();

    student::typeInto(window, "Text1", QStringLiteral("R28"));
    save(window, folder, QStringLiteral("start-1-page"));
    student::click(window, "Command1");
    save(window, folder, QStringLiteral("start-2-test"));
    for (int i = 0; i < 5; ++i)
        student::click(window, "down");
    save(window, folder, QStringLiteral("start-3-test-paged"));
    return 0;
}

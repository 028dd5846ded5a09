// page_pictures FOLDER [--centres FILE]
//
// Walks both windows as a Russian student and saves a PNG of each page into FOLDER.
// With --centres it also writes FILE, a JSON object that gives, for each picture in
// the order taken, the centre of each named control the student sees there and of
// each workbook tab, in the window's client coordinates, and after each its rectangle
// [left, top, width, height] (a box is clicked near its left edge before typing):
//   {"start-1-page": {"Label1": [388, 96], "Label1 rect": [108, 64, 561, 65], ...},
//    ..., "workbook-1-lightning-cables": {..., "tab 1": [593, 13], "tab 1 rect": [396, 0, 396, 27]}}
// It draws offscreen unless QT_QPA_PLATFORM or -platform names another platform.

#include "platform/platform.h"
#include "support/scripted_student.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTabBar>

#include <cstdio>

namespace {

// Each page with the actions that reach it from the one before.
const struct {
    const char *picture;
    const char *actions;
} Pages[] = {
    {"start-1-page", "type Text1 R28"},
    {"start-2-test", "click Command1"},
    {"start-3-test-paged", "click down; click down; click down; click down; click down"},
    {"workbook-1-lightning-cables", "set Text1 R2864; click Command1"},
    {"workbook-2-lightning-data",
     "click Label79; type MaskEdBox3 3800; type MaskEdBox2 14; type MaskEdBox1 210; type MaskEdBox4 2000; "
     "type MaskEdBox5 40; click Check1; type MaskEdBox6 10; type MaskEdBox7 200; click Label79"},
    {"workbook-3-influence-cables", "tab 0; click Option14"},
    {"workbook-4-influence-norm-met",
     "click Label52; type Mask1 100; type Mask2 100; type Mask3 1000; type Mask4 100; click Label54"},
    {"workbook-5-influence-not-suitable", "type Mask2 010; click Label54"},
    {"workbook-6-influence-wire-120", "type Mask2 043; click Label54"},
    {"workbook-7-influence-after-return", "click Label53"},
};

// One picture's line of the table: the centre and rectangle of each named control the
// student sees there, not covered by another control nor paged out of sight, and of
// each workbook tab, in the window's client coordinates, where a click reaches it.
// Picture and control names are plain ASCII words, so they need no escaping.
QString centresLine(const QString &picture, const QWidget *window)
{
    QStringList entries;
    auto add = [&entries](const QString &name, QRect place) {
        const QPoint centre = place.center();
        entries.append(QStringLiteral("\"%1\": [%2, %3]").arg(name).arg(centre.x()).arg(centre.y()));
        entries.append(QStringLiteral("\"%1 rect\": [%2, %3, %4, %5]")
                           .arg(name).arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()));
    };
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (ulvane::ScriptedStudent::isNamedControl(control) && control->isVisible()
            && control->visibleRegion().contains(control->rect().center()))
            add(control->objectName(), QRect(control->mapTo(window, QPoint(0, 0)), control->size()));
    }
    if (const auto *tabs = window->findChild<QTabBar *>()) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            add(QStringLiteral("tab %1").arg(tab), tabs->tabRect(tab).translated(tabs->mapTo(window, QPoint(0, 0))));
    }
    return QStringLiteral("  \"%1\": {%2}").arg(picture, entries.join(QStringLiteral(", ")));
}

bool write(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(text.toUtf8()) >= 0 && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    // Read before Qt's texts turn Russian for the windows, so that its help reads whole.
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Saves a picture of every page of Ulvane."));
    arguments.addHelpOption();
    arguments.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the pictures go."));
    const QCommandLineOption centresOption(QStringLiteral("centres"),
                                           QStringLiteral("Also write where each control's centre lies."),
                                           QStringLiteral("file"));
    arguments.addOption(centresOption);
    arguments.process(application);
    if (arguments.positionalArguments().size() != 1)
        arguments.showHelp(1);
    const QDir folder(arguments.positionalArguments().front());
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "page_pictures: cannot make the folder %s\n", qPrintable(folder.path()));
        return 1;
    }

    const auto platform = ulvane::startPlatform();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QStringList centres;
    try {
        ulvane::ScriptedStudent student;
        student.restart();
        for (const auto &page : Pages) {
            student.act(QString::fromUtf8(page.actions));
            const QString picture = QString::fromLatin1(page.picture);
            if (!student.window()->grab().save(folder.filePath(picture + ".png"))) {
                std::fprintf(stderr, "page_pictures: cannot write %s.png\n", qPrintable(picture));
                return 1;
            }
            centres.append(centresLine(picture, student.window()));
        }
    } catch (const ulvane::ScriptError &error) {
        std::fprintf(stderr, "page_pictures: %s\n", error.what());
        return 1;
    }

    if (arguments.isSet(centresOption)
        && !write(arguments.value(centresOption), "{\n" + centres.join(QStringLiteral(",\n")) + "\n}\n")) {
        std::fprintf(stderr, "page_pictures: cannot write %s\n", qPrintable(arguments.value(centresOption)));
        return 1;
    }
    return 0;
}

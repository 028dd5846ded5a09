// Start-up and response times of the real windows against two floors: a bare Qt
// window of the same size and a window of 250 plain widgets. Offscreen, median of
// repeated rounds:
//   (a) process start to the start window's first painted frame (child processes);
//   (b) the click on Command1 with the access code to the workbook's first frame;
//   (c) a "Расчет >>" click to the repainted results, on each tab, the first time
//       (which also shows the result block for the first time) and again;
//   (d) a tab switch to the repainted page;
// and the peak memory of a process that has painted its first window.
#include "app/program.h"
#include "app/start_window.h"
#include "platform/platform.h"
#include "widgets/tab_container.h"
#include "widgets/twips.h"
#include "workbook/workbook_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace ulvane;

namespace {

constexpr int ProcessRounds = 25;
constexpr int InProcessRounds = 30;
const QSize WindowSize(twips(11880), twips(8595));

long peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return 0;
}

// Runs events until the widget has been painted.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
    }

    void wait()
    {
        while (!m_painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QWidget *m_widget;
    bool m_painted = false;
};

QWidget *openWindow(const char *name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *topLevel : QApplication::topLevelWidgets()) {
        if (topLevel->objectName() == QLatin1String(name))
            return topLevel;
    }
    return nullptr;
}

void waitForPaint(QWidget *widget)
{
    PaintWatch(widget).wait();
}

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double timeMs(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The floors: a bare window, or one of 250 plain widgets in two halves that a tab
// switch swaps; a button whose click writes a result into a box.
class FloorWindow : public QWidget
{
public:
    explicit FloorWindow(bool plainWidgets)
    {
        resize(WindowSize);
        button = new QPushButton(QStringLiteral("Расчет >>"), this);
        button->setGeometry(10, 10, 120, 30);
        result = new QLineEdit(this);
        result->setGeometry(140, 10, 200, 24);
        for (QWidget *&half : halves) {
            half = new QWidget(this);
            half->setGeometry(0, 50, WindowSize.width(), WindowSize.height() - 50);
        }
        if (plainWidgets) {
            for (int i = 0; i < 248; ++i) {
                QWidget *half = halves[i % 2];
                const int slot = i / 2;
                QWidget *widget = i % 4 < 2
                                      ? static_cast<QWidget *>(new QLabel(QStringLiteral("Метка %1").arg(i), half))
                                      : new QLineEdit(QString::number(i), half);
                widget->setGeometry(10 + (slot % 6) * 125, 10 + (slot / 6) * 22, 115, 20);
            }
        }
        halves[1]->hide();
        connect(button, &QPushButton::clicked, result,
                [this] { result->setText(QStringLiteral("0.875046874477859")); });
    }

    QPushButton *button;
    QLineEdit *result;
    QWidget *halves[2];
};

int runChild(const QString &window)
{
    std::unique_ptr<Platform> platform;
    std::unique_ptr<Program> program;
    std::unique_ptr<FloorWindow> floor;
    QWidget *shown = nullptr;
    if (window == QLatin1String("ulvane")) {
        platform = startPlatform();
        program = std::make_unique<Program>(*platform);
        program->start();
        shown = openWindow("Form1");
    } else {
        floor = std::make_unique<FloorWindow>(window == QLatin1String("plain"));
        floor->show();
        shown = floor.get();
    }
    waitForPaint(shown);
    std::printf("painted %ld\n", peakMemoryKiB());
    std::fflush(stdout);
    return 0;
}

struct ProcessFigures {
    double startMs = 0;
    double peakMiB = 0;
};

// One child process: milliseconds from its start to its first painted frame, and its
// peak memory then.
ProcessFigures startChild(const QString &window)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), window});
    while (!child.canReadLine() && child.waitForReadyRead(10000)) {
    }
    ProcessFigures figures;
    figures.startMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    figures.peakMiB = child.readLine().split(' ').value(1).trimmed().toDouble() / 1024;
    child.waitForFinished();
    return figures;
}

// The kinds of window take turns, so a change in the machine's load falls on all.
std::vector<ProcessFigures> measureProcesses(const QStringList &windows)
{
    std::vector<std::vector<double>> times(static_cast<std::size_t>(windows.size()));
    std::vector<ProcessFigures> figures(times.size());
    for (int round = 0; round < ProcessRounds; ++round) {
        for (std::size_t i = 0; i < times.size(); ++i) {
            const ProcessFigures started = startChild(windows[static_cast<qsizetype>(i)]);
            times[i].push_back(started.startMs);
            figures[i].peakMiB = started.peakMiB;
        }
    }
    for (std::size_t i = 0; i < times.size(); ++i)
        figures[i].startMs = medianMs(times[i]);
    return figures;
}

struct StepFigures {
    double handOverMs = 0;
    double influenceFirstMs = 0;
    double influenceAgainMs = 0;
    double lightningFirstMs = 0;
    double lightningAgainMs = 0;
    double tabSwitchMs = 0;
};

void fill(QWidget *window, std::initializer_list<std::pair<const char *, const char *>> texts)
{
    for (const auto &[box, text] : texts)
        window->findChild<QLineEdit *>(QLatin1String(box))->setText(QLatin1String(text));
    waitForPaint(window);
}

double clickUntilPainted(QWidget *clicked, QWidget *painted)
{
    return timeMs([&] {
        QTest::mouseClick(clicked, Qt::LeftButton);
        waitForPaint(painted);
    });
}

StepFigures measureUlvane(Platform &platform)
{
    std::vector<double> handOver, influenceFirst, influenceAgain, lightningFirst, lightningAgain,
        tabSwitch;
    for (int round = 0; round < InProcessRounds; ++round) {
        Program program(platform);
        program.start();
        QWidget *start = openWindow("Form1");
        waitForPaint(start);
        QTest::keyClicks(start->findChild<QLineEdit *>(QStringLiteral("Text1")), QStringLiteral("R2864"));
        handOver.push_back(timeMs([&] {
            QTest::mouseClick(start->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
            waitForPaint(openWindow("Form2"));
        }));

        QWidget *workbook = openWindow("Form2");
        auto find = [workbook](const char *name) {
            return workbook->findChild<QWidget *>(QLatin1String(name));
        };
        QTest::mouseClick(find("Label79"), Qt::LeftButton);
        fill(workbook, {{"MaskEdBox3", "3800"}, {"MaskEdBox2", "14"}, {"MaskEdBox1", "2.10"},
                        {"MaskEdBox4", "2000"}, {"MaskEdBox5", "40*"}});
        lightningFirst.push_back(clickUntilPainted(find("Label79"), find("Text9")));
        fill(workbook, {{"MaskEdBox5", "36*"}});
        lightningAgain.push_back(clickUntilPainted(find("Label79"), find("Text9")));

        auto *tabBar = workbook->findChild<TabContainer *>(QStringLiteral("SSTab1"))->findChild<QTabBar *>();
        tabSwitch.push_back(timeMs([&] {
            QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(0).center());
            waitForPaint(find("Frame1"));
        }));

        QTest::mouseClick(find("Label52"), Qt::LeftButton);
        fill(workbook, {{"Mask1", "100"}, {"Mask2", "0.50"}, {"Mask3", "1.000"}, {"Mask4", "1.00"}});
        influenceFirst.push_back(clickUntilPainted(find("Label54"), find("Text6")));
        fill(workbook, {{"Mask2", "0.43"}});
        influenceAgain.push_back(clickUntilPainted(find("Label54"), find("Text6")));
        workbook->close();
    }
    return {medianMs(handOver),       medianMs(influenceFirst), medianMs(influenceAgain),
            medianMs(lightningFirst), medianMs(lightningAgain), medianMs(tabSwitch)};
}

StepFigures measureFloor(bool plainWidgets)
{
    std::vector<double> open, update, swap;
    for (int round = 0; round < InProcessRounds; ++round) {
        QWidget opener;
        opener.resize(WindowSize);
        auto *openButton = new QPushButton(QStringLiteral("Вперед >>"), &opener);
        std::unique_ptr<FloorWindow> window;
        QObject::connect(openButton, &QPushButton::clicked, [&] {
            opener.close();
            window = std::make_unique<FloorWindow>(plainWidgets);
            window->show();
        });
        opener.show();
        waitForPaint(&opener);
        open.push_back(timeMs([&] {
            QTest::mouseClick(openButton, Qt::LeftButton);
            waitForPaint(window.get());
        }));
        update.push_back(clickUntilPainted(window->button, window->result));
        swap.push_back(timeMs([&] {
            window->halves[0]->hide();
            window->halves[1]->show();
            waitForPaint(window->halves[1]);
        }));
    }
    const double updateMs = medianMs(update);
    return {medianMs(open), updateMs, updateMs, updateMs, updateMs, medianMs(swap)};
}

void printRow(const char *step, double ulvane, double bare, double plain)
{
    std::printf("%-46s %9.2f %9.2f %11.2f ms  %6.2f x bare\n", step, ulvane, bare, plain,
                ulvane / bare);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 3 && QLatin1String(argv[1]) == QLatin1String("--child"))
        return runChild(QString::fromLatin1(argv[2]));

    const std::unique_ptr<Platform> platform = startPlatform();
    const std::vector<ProcessFigures> processes =
        measureProcesses({QStringLiteral("ulvane"), QStringLiteral("bare"), QStringLiteral("plain")});
    const ProcessFigures &ulvaneProcess = processes[0];
    const ProcessFigures &bareProcess = processes[1];
    const ProcessFigures &plainProcess = processes[2];
    const StepFigures ulvane = measureUlvane(*platform);
    const StepFigures bare = measureFloor(false);
    const StepFigures plain = measureFloor(true);

    std::printf("%-46s %9s %9s %11s\n", "median of rounds, offscreen", "Ulvane", "bare", "250 widgets");
    printRow("(a) process start to first painted frame", ulvaneProcess.startMs, bareProcess.startMs,
             plainProcess.startMs);
    printRow("(b) access code click to workbook frame", ulvane.handOverMs, bare.handOverMs,
             plain.handOverMs);
    printRow("(c) calculate click to results, tab 0, first", ulvane.influenceFirstMs,
             bare.influenceFirstMs, plain.influenceFirstMs);
    printRow("(c) calculate click to results, tab 0, again", ulvane.influenceAgainMs,
             bare.influenceAgainMs, plain.influenceAgainMs);
    printRow("(c) calculate click to results, tab 1, first", ulvane.lightningFirstMs,
             bare.lightningFirstMs, plain.lightningFirstMs);
    printRow("(c) calculate click to results, tab 1, again", ulvane.lightningAgainMs,
             bare.lightningAgainMs, plain.lightningAgainMs);
    printRow("(d) tab switch to repainted page", ulvane.tabSwitchMs, bare.tabSwitchMs,
             plain.tabSwitchMs);
    std::printf("%-46s %9.1f %9.1f %11.1f MiB %+.1f MiB over bare\n",
                "peak memory after the first frame", ulvaneProcess.peakMiB, bareProcess.peakMiB,
                plainProcess.peakMiB, ulvaneProcess.peakMiB - bareProcess.peakMiB);
    return 0;
}

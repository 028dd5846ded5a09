#include "support/student.h"

#include "calc/number_text.h"
#include "widgets/masked_box.h"
#include "workbook/study_tab.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QRegularExpression>

#include <cmath>
#include <random>

namespace ulvane {
namespace {

// The program's own sentences; the start window says only the first.
const QRegularExpression OwnSentence("^(Тест не пройден|Введены не все данные|Не задан радиус кабеля|Значение "
                                     "задается в интервале от (10 до 10000 Ом\\*м|0.01 до 5 км|0.5 до 5 км|1 до 10 кА))$");
const QStringList Keys = {"Backspace", "Delete", "Tab", "Shift+Backtab", "Left", "Right", "Home", "End", "Space",
                          "Return", "Alt+Left", "Alt+Right", "Ctrl+V", "0", "1", "5", "9", "R", "2", "8", "6", "4"};
const QStringList Pastes = {"abc", "3,5", "-12", "ρ=100", "🙂7", "1.2.3", QString(300, u'9'), " 4 2 "};

// A student who does anything in any order: seeded clicks and keys over the real
// windows, the program's invariants checked after every action. It finds the
// crashes and sanitizer faults that tables miss.
class RandomStudentTest : public StudentTest, public testing::WithParamInterface<std::uint32_t>
{
protected:
    // One of the choices, or of the visible named controls of a kind; or none.
    template<typename Control = QWidget>
    QString pick(QStringList choices = {}, const QStringList &among = {})
    {
        for (Control *control : choices.isEmpty() ? window()->findChildren<Control *>() : QList<Control *>()) {
            if (control->isVisible() && (among.isEmpty() || among.contains(control->objectName())))
                choices.append(control->objectName());
        }
        return choices.isEmpty() ? QString() : choices[std::uniform_int_distribution<qsizetype>(0, choices.size() - 1)(m_random)];
    }

    // Whether the control shows on its own tab, whichever tab is in front.
    bool onTab(const char *name) const
    {
        QWidget *control = find(name), *tab = control;
        while (!qobject_cast<StudyTab *>(tab))
            tab = tab->parentWidget();
        return control->isVisibleTo(tab);
    }

    std::mt19937 m_random{GetParam()};
};

TEST_P(RandomStudentTest, KeepsEveryInvariant)
{
    QStringList actions;
    for (int i = 0; i < 21000; ++i) {
        // In the start window odd seeds come to pass the test, even seeds to give the code.
        QString action;
        const int kind = std::uniform_int_distribution<int>(0, 99)(m_random);
        if (openWindow("Form1") && i > 300 && kind < 5) {
            tickExactly(AnswerKey);
            action = !find("Frame1")->isVisible() ? "click Command2" : GetParam() % 2 ? "click Command1" : "set Text1 R2864; click Command1";
        } else if (kind < 14) {
            action = (kind < 12 ? "click " : "dclick ")
                     + pick({}, {"Label52", "Label53", "Label54", "Label79", "Label141", "Command1", "Command2", "up", "down"});
        } else if (kind < 26) {
            action = "click " + pick<QAbstractButton>().remove(QRegularExpression("^(up|down|Command.)$"));
        } else if (kind < 30 && openWindow("Form2")) {
            action = pick({"tab 0", "tab 1"});
        } else if (kind < 45) {
            action = "click " + pick<QLineEdit>();
        } else {
            action = "key " + pick(Keys);
            QApplication::clipboard()->setText(pick(Pastes));
        }
        if (action.section(u' ', 1).isEmpty())
            continue;
        actions.append(action);
        act(action);
        QCoreApplication::processEvents();
        const QString replay = QStringLiteral("seed %1, the last actions:\n  ").arg(GetParam())
                               + actions.mid(actions.size() - 40).join("\n  ");

        for (const QString &message : std::as_const(messages.shown))
            ASSERT_TRUE(OwnSentence.match(message).hasMatch() && (openWindow("Form2") || message.startsWith("Тест")))
                << message << "\n" << replay;
        messages.shown.clear();
        if (!openWindow("Form2"))
            continue;
        ASSERT_TRUE(!openWindow("Form1") && openWindow("Form2")->isVisible()) << replay;

        // Each tab shows one page, and its links and hose rows follow that page.
        const bool data0 = onTab("Frame2");
        const bool data1 = onTab("Frame6");
        const bool states[][2] = {
            {onTab("Frame1"), !data0}, {onTab("Label52"), !data0}, {onTab("Label54"), data0},
            {find("Label53")->isEnabled(), data0}, {onTab("Frame3") && onTab("Frame4"), false},
            {onTab("Frame5"), !data1}, {onTab("Label126"), !data1}, {find("Label141")->isEnabled(), data1},
            {shown("Label79") == u"Расчет >>", data1},
            {find("MaskEdBox7")->isVisibleTo(find("Frame6")), find<QCheckBox>("Check1")->isChecked()}};
        for (std::size_t k = 0; k < std::size(states); ++k)
            ASSERT_EQ(states[k][0], states[k][1]) << "invariant " << k << "\n" << replay;

        // Boxes keep the form of their masks; results read as finite numbers.
        for (MaskedBox *box : window()->findChildren<MaskedBox *>()) {
            const QString form = box->displayText().replace(QRegularExpression("[0-9*]"), "0");
            ASSERT_EQ(form, box->inputMask().section(u';', 0, 0)) << box->displayText() << "\n" << replay;
        }
        for (const char *result : {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text13", "Text14"}) {
            const QString text = shown(result).replace(QLocale().decimalPoint(), ".");
            ASSERT_TRUE(text.isEmpty() || std::isfinite(ReadLeadingNumber(text.toStdString()))) << result << replay;
        }
    }
    EXPECT_TRUE(openWindow("Form2"));
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomStudentTest, testing::Values(1u, 2u, 3u, 4u, 20261206u));

} // namespace
} // namespace ulvane

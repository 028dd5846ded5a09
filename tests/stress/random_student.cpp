#include "random_student.h"

#include "app/start_window.h"
#include "calc/number_text.h"
#include "widgets/masked_box.h"
#include "widgets/tab_container.h"
#include "workbook/lightning_tab.h"
#include "workbook/workbook_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <cmath>
#include <sstream>

namespace ulvane {

namespace {

const QStringList OwnSentences = {
    QStringLiteral("Тест не пройден"),
    QStringLiteral("Введены не все данные"),
    QStringLiteral("Значение задается в интервале от 10 до 10000 Ом*м"),
    QStringLiteral("Значение задается в интервале от 0.01 до 5 км"),
    QStringLiteral("Значение задается в интервале от 0.5 до 5 км"),
    QStringLiteral("Значение задается в интервале от 1 до 10 кА"),
    QStringLiteral("Не задан радиус кабеля"),
};

// A box of the first tab, its range message and the text that message puts back.
struct ResetRule {
    const char *box;
    int message; // index into OwnSentences
    const char *resetText;
};
const ResetRule ResetRules[] = {
    {"Mask1", 2, "10000"}, {"Mask2", 3, "0.01"}, {"Mask3", 4, "0.500"}, {"Mask4", 5, "1.00"}};

const char *const InfluenceBoxes[] = {"Mask1", "Mask2", "Mask3", "Mask4"};
const char *const LightningBoxes[] = {"MaskEdBox1", "MaskEdBox2", "MaskEdBox3", "MaskEdBox4",
                                      "MaskEdBox5", "MaskEdBox6", "MaskEdBox7"};
const char *const ResultBoxes[] = {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text13",
                                   "Text14"};
const QStringList InfluenceLinks = {QStringLiteral("Label52"), QStringLiteral("Label53"),
                                    QStringLiteral("Label54")};
const QStringList LightningLinks = {QStringLiteral("Label79"), QStringLiteral("Label141")};
const char *const AnswerKey[] = {"Check1", "Check2", "Check3", "Check15", "Check4",
                                 "Check18", "Check8", "Check9", "Check10"};

// What a student might paste: letters, a comma, a sign, Cyrillic, an emoji, a lot.
const QStringList Pastes = {
    QStringLiteral("abc"), QStringLiteral("3,5"), QStringLiteral("-12"), QStringLiteral("ρ=100"),
    QStringLiteral("🙂7"), QStringLiteral("1.2.3"), QString(300, u'9'), QStringLiteral(" 4 2 ")};

QWidget *child(QWidget *window, const QString &name)
{
    return window->findChild<QWidget *>(name);
}

QWidget *child(QWidget *window, const char *name)
{
    return child(window, QString::fromLatin1(name));
}

// Visible within its window, whichever tab is in front.
bool shownOnItsTab(QWidget *control)
{
    QWidget *tab = control;
    while (tab->parentWidget() && !qobject_cast<TabContainer *>(tab->parentWidget()))
        tab = tab->parentWidget();
    return control->isVisibleTo(tab);
}

QString caption(QWidget *label)
{
    return qobject_cast<QLabel *>(label)->text();
}

void clickWidget(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void clickCentre(QWidget *widget)
{
    clickWidget(widget, widget->rect().center());
}

// Lets queued events run, paints included, and closed windows be deleted.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void RandomStudent::CheckingMessageBox::show(QWidget *, const QString &text)
{
    ++open;
    mostOpenAtOnce = std::max(mostOpenAtOnce, open);
    shown.append(text);
    --open;
}

RandomStudent::RandomStudent(std::uint32_t seed)
    : m_seed(seed)
    , m_random(seed)
{
}

int RandomStudent::pick(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(m_random);
}

bool RandomStudent::chance(double probability)
{
    return std::bernoulli_distribution(probability)(m_random);
}

void RandomStudent::note(const QString &action)
{
    m_actions.push_back(action.toStdString());
}

std::string RandomStudent::replayNote() const
{
    std::ostringstream text;
    text << "seed " << m_seed << ", " << m_actions.size() << " actions; the last ones:";
    const std::size_t first = m_actions.size() > 40 ? m_actions.size() - 40 : 0;
    for (std::size_t i = first; i < m_actions.size(); ++i)
        text << "\n  " << i << ": " << m_actions[i];
    return text.str();
}

std::string RandomStudent::run(int workbookActions)
{
    m_program.start();
    enterWorkbook();
    if (!m_workbook)
        return "the start window never handed over";
    for (int i = 0; i < workbookActions; ++i) {
        const Snapshot before = snapshot();
        const qsizetype messagesBefore = m_messages.shown.size();
        const bool calculateLinkShown = control("Label54")->isVisible();
        while (!actInWorkbook()) {
        }
        settle();
        const QString action = QString::fromStdString(m_actions.back());
        const bool pressedCalculate = action == QStringLiteral("click Label54")
                                      || action.startsWith(QStringLiteral("press Alt+Right"));
        if (calculateLinkShown && pressedCalculate
            && !m_messages.shown.mid(messagesBefore).contains(OwnSentences[1])) {
            m_influenceCalculated = true;
        }
        const std::string broken = brokenInvariant(before, action);
        if (!broken.empty())
            return broken;
    }
    return {};
}

void RandomStudent::enterWorkbook()
{
    // Half the seeds give the access code at some point, the other half pass the test.
    const bool knowsTheCode = m_seed % 2 == 0;
    for (int i = 0; i < 3000 && m_program.startWindow(); ++i) {
        QWidget *start = m_program.startWindow();
        if (i > 300 && chance(0.05)) {
            if (knowsTheCode && child(start, "Frame1")->isVisible()) {
                auto *code = qobject_cast<QLineEdit *>(child(start, "Text1"));
                code->clear();
                QTest::keyClicks(code, QStringLiteral("R2864"));
                note(QStringLiteral("type the access code"));
                clickCentre(child(start, "Command1"));
            } else if (child(start, "Frame2")->isVisible()) {
                for (QCheckBox *box : start->findChildren<QCheckBox *>()) {
                    bool inKey = false;
                    for (const char *name : AnswerKey)
                        inKey = inKey || box->objectName() == QLatin1String(name);
                    box->setChecked(inKey);
                }
                note(QStringLiteral("tick the answer key"));
                clickCentre(child(start, "Command2"));
            } else {
                actOnStartWindow(start);
            }
        } else {
            actOnStartWindow(start);
        }
        settle();
        for (const QString &message : m_messages.shown) {
            if (message != OwnSentences[0])
                return;
        }
    }
    m_workbook = m_program.workbook();
    if (m_workbook) {
        for (QWidget *named : m_workbook->findChildren<QWidget *>()) {
            if (!named->objectName().isEmpty())
                m_controls.insert(named->objectName(), named);
        }
        m_workbook->activateWindow();
        (void)QTest::qWaitForWindowActive(m_workbook);
    }
}

void RandomStudent::actOnStartWindow(QWidget *start)
{
    if (child(start, "Frame1")->isVisible()) {
        auto *code = qobject_cast<QLineEdit *>(child(start, "Text1"));
        const QString keys = QStringLiteral("R2864r0 ");
        if (chance(0.8)) {
            const QChar key = keys[pick(static_cast<int>(keys.size()))];
            QTest::keyClicks(code, QString(key));
            note(QStringLiteral("type '%1' into Text1").arg(key));
        } else {
            note(QStringLiteral("click Command1"));
            clickCentre(child(start, "Command1"));
        }
        return;
    }
    const int choice = pick(10);
    if (choice < 6) {
        QList<QCheckBox *> boxes;
        for (QCheckBox *box : start->findChildren<QCheckBox *>()) {
            if (!box->visibleRegion().isEmpty())
                boxes.append(box);
        }
        if (!boxes.isEmpty()) {
            QCheckBox *box = boxes[pick(static_cast<int>(boxes.size()))];
            note(QStringLiteral("click ") + box->objectName());
            clickWidget(box, QPoint(8, box->height() / 2));
        }
    } else if (choice < 9) {
        const char *arrow = choice < 8 ? "down" : "up";
        note(QStringLiteral("click %1 arrow").arg(QLatin1String(arrow)));
        clickCentre(child(start, arrow));
    } else {
        note(QStringLiteral("click Command2"));
        clickCentre(child(start, "Command2"));
    }
}

bool RandomStudent::actInWorkbook()
{
    auto *tabs = m_workbook->findChild<TabContainer *>(QStringLiteral("SSTab1"));
    const bool influenceTab = tabs->currentIndex() == 0;
    const int choice = pick(100);

    if (choice < 12) {
        QStringList links;
        for (const QString &link : influenceTab ? InfluenceLinks : LightningLinks) {
            if (control(link)->isVisible())
                links.append(link);
        }
        const QString link = links[pick(static_cast<int>(links.size()))];
        note(QStringLiteral("click ") + link);
        clickCentre(control(link));
    } else if (choice < 20) {
        QList<QRadioButton *> options;
        for (QRadioButton *option : m_workbook->findChildren<QRadioButton *>()) {
            if (option->isVisible())
                options.append(option);
        }
        if (options.isEmpty())
            return false;
        QRadioButton *option = options[pick(static_cast<int>(options.size()))];
        note(QStringLiteral("click ") + option->objectName());
        clickWidget(option, QPoint(6, option->height() / 2));
    } else if (choice < 25) {
        QWidget *hose = control("Check1");
        if (!hose->isVisible())
            return false;
        note(QStringLiteral("click Check1"));
        clickWidget(hose, QPoint(6, hose->height() / 2));
    } else if (choice < 29) {
        const int tab = pick(2);
        note(QStringLiteral("click tab %1").arg(tab));
        clickWidget(tabs->tabBar(), tabs->tabBar()->tabRect(tab).center());
    } else if (choice < 45) {
        QList<MaskedBox *> boxes;
        for (MaskedBox *box : m_workbook->findChildren<MaskedBox *>()) {
            if (box->isVisible())
                boxes.append(box);
        }
        if (boxes.isEmpty())
            return false;
        MaskedBox *box = boxes[pick(static_cast<int>(boxes.size()))];
        const int x = 1 + pick(box->width() - 2);
        note(QStringLiteral("click into %1 at x %2").arg(box->objectName()).arg(x));
        clickWidget(box, QPoint(x, box->height() / 2));
    } else if (choice < 96) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_workbook;
        const int key = pick(22);
        if (key < 12) {
            const QString digit = QString::number(pick(10));
            note(QStringLiteral("type %1 into %2").arg(digit, target->objectName()));
            QTest::keyClicks(target, digit);
        } else {
            const QKeyCombination keys[] = {
                Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Delete,
                Qt::Key_Tab,       Qt::Key_Tab,       Qt::Key_Tab,    Qt::SHIFT | Qt::Key_Backtab,
                Qt::ALT | Qt::Key_Right, Qt::ALT | Qt::Key_Left};
            const QKeyCombination pressed = keys[key - 12];
            note(QStringLiteral("press %1 in %2")
                     .arg(QKeySequence(pressed).toString(), target->objectName()));
            QTest::keyClick(target, pressed.key(), pressed.keyboardModifiers());
        }
    } else {
        QWidget *target = QApplication::focusWidget();
        const QString junk = Pastes[pick(static_cast<int>(Pastes.size()))];
        QApplication::clipboard()->setText(junk);
        note(QStringLiteral("paste \"%1\" into %2")
                 .arg(junk.left(12), target ? target->objectName() : QStringLiteral("nothing")));
        if (target)
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }
    return true;
}

QWidget *RandomStudent::control(const QString &name) const
{
    return m_controls.value(name);
}

QWidget *RandomStudent::control(const char *name) const
{
    return control(QString::fromLatin1(name));
}

RandomStudent::Snapshot RandomStudent::snapshot() const
{
    Snapshot seen;
    for (MaskedBox *box : m_workbook->findChildren<MaskedBox *>())
        seen.boxTexts[box->objectName()] = box->boxText();
    for (QRadioButton *option : m_workbook->findChildren<QRadioButton *>())
        seen.ticks[option->objectName()] = option->isChecked();
    seen.ticks[QStringLiteral("Check1")] = qobject_cast<QCheckBox *>(control("Check1"))->isChecked();
    if (auto *box = qobject_cast<MaskedBox *>(QApplication::focusWidget()))
        seen.focusedBox = box->objectName();
    return seen;
}

std::string RandomStudent::brokenInvariant(const Snapshot &before, const QString &action)
{
    if (m_program.startWindow())
        return "the start window still exists in the workbook";
    if (!m_workbook->isVisible())
        return "the workbook window is gone";
    if (m_messages.mostOpenAtOnce > 1)
        return "two message boxes were open at once";
    for (const QString &message : m_messages.shown) {
        if (!OwnSentences.contains(message))
            return "a message that is not the program's own: " + message.toStdString();
    }
    for (const std::string &broken :
         {brokenPageInvariant(), brokenResultInvariant(), brokenInputInvariant(before, action)}) {
        if (!broken.empty())
            return broken;
    }
    return {};
}

std::string RandomStudent::brokenPageInvariant() const
{
    const bool choicePage0 = shownOnItsTab(control("Frame1"));
    if (choicePage0 == shownOnItsTab(control("Frame2")))
        return "tab 0 shows both or neither of its pages";
    const bool links0 = choicePage0
                            ? shownOnItsTab(control("Label52")) && !shownOnItsTab(control("Label54"))
                                  && !control("Label53")->isEnabled()
                                  && (caption(control("Label1")) == QStringLiteral("1. Выберите тип кабеля")
                                      || caption(control("Label1")) == QStringLiteral("1.Выберите тип кабеля"))
                            : !shownOnItsTab(control("Label52")) && shownOnItsTab(control("Label54"))
                                  && control("Label53")->isEnabled()
                                  && caption(control("Label54")) == QStringLiteral("Расчет >>")
                                  && caption(control("Label1")) == QStringLiteral("2. Введите свои данные");
    if (!links0 || !shownOnItsTab(control("Label53")))
        return "tab 0 links do not match its page";
    const bool frame3 = control("Frame3")->isVisibleTo(control("Frame2"));
    const bool frame4 = control("Frame4")->isVisibleTo(control("Frame2"));
    if (frame3 && frame4)
        return "both result blocks are shown";
    if ((frame3 || frame4) && !m_influenceCalculated)
        return "a result block is shown before any calculation";

    const bool choicePage1 = shownOnItsTab(control("Frame5"));
    if (choicePage1 == shownOnItsTab(control("Frame6")))
        return "tab 1 shows both or neither of its pages";
    const bool links1 = choicePage1 ? shownOnItsTab(control("Label126")) && !control("Label141")->isEnabled()
                                          && caption(control("Label79")) == QStringLiteral("Вперед >>")
                                    : !shownOnItsTab(control("Label126")) && control("Label141")->isEnabled()
                                          && caption(control("Label79")) == QStringLiteral("Расчет >>");
    if (!links1 || !shownOnItsTab(control("Label79")) || !shownOnItsTab(control("Label141")))
        return "tab 1 links do not match its page";
    const bool inHose = qobject_cast<QCheckBox *>(control("Check1"))->isChecked();
    if (m_workbook->findChild<LightningTab *>()->CableInHose() != inHose)
        return "CableInHose differs from Check1";
    for (const char *row : {"Label77", "Label78", "MaskEdBox6", "MaskEdBox7"}) {
        if (control(row)->isVisibleTo(control("Frame6")) != inHose)
            return std::string("hose row ") + row + " does not follow Check1";
    }
    return {};
}

std::string RandomStudent::brokenResultInvariant() const
{
    for (const char *name : ResultBoxes) {
        const QString text = qobject_cast<QLineEdit *>(control(name))->text();
        if (text.isEmpty())
            continue;
        if (text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)
            || text.contains(QStringLiteral("inf"), Qt::CaseInsensitive)) {
            return std::string(name) + " shows " + text.toStdString();
        }
        QString withPoint = text;
        withPoint.replace(QLocale().decimalPoint(), QStringLiteral("."));
        if (!std::isfinite(ReadLeadingNumber(withPoint.toStdString())))
            return std::string(name) + " does not read as a finite number: " + text.toStdString();
    }
    return {};
}

std::string RandomStudent::brokenInputInvariant(const Snapshot &before, const QString &action) const
{
    const Snapshot after = snapshot();
    const bool typed = action.startsWith(QStringLiteral("type ")) || action.startsWith(QStringLiteral("press "))
                       || action.startsWith(QStringLiteral("paste "));
    for (auto box = after.boxTexts.cbegin(); box != after.boxTexts.cend(); ++box) {
        if (box.value() == before.boxTexts.value(box.key()))
            continue;
        if (typed && before.focusedBox == box.key())
            continue;
        bool reset = false;
        for (const ResetRule &rule : ResetRules) {
            reset = reset
                    || (box.key() == QLatin1String(rule.box) && box.value() == QLatin1String(rule.resetText)
                        && m_messages.shown.contains(OwnSentences[rule.message]));
        }
        if (!reset) {
            return QStringLiteral("%1 changed from \"%2\" to \"%3\" by \"%4\"")
                .arg(box.key(), before.boxTexts.value(box.key()), box.value(), action)
                .toStdString();
        }
    }
    for (auto tick = after.ticks.cbegin(); tick != after.ticks.cend(); ++tick) {
        if (tick.value() == before.ticks.value(tick.key()))
            continue;
        if (!action.startsWith(QStringLiteral("click Option")) && action != QStringLiteral("click Check1"))
            return QStringLiteral("%1 changed by \"%2\"").arg(tick.key(), action).toStdString();
        if (action == QStringLiteral("click Check1") && tick.key() != QStringLiteral("Check1"))
            return QStringLiteral("%1 changed by \"%2\"").arg(tick.key(), action).toStdString();
    }
    for (const QString &box : after.boxTexts.keys()) {
        MaskedBox *masked = m_workbook->findChild<MaskedBox *>(box);
        const QString text = masked->boxText();
        const QString mask = masked->inputMask().section(u';', 0, 0);
        bool followsMask = text.size() == mask.size();
        for (qsizetype i = 0; followsMask && i < text.size(); ++i) {
            followsMask = mask[i] == u'0' ? (text[i].isDigit() && text[i].unicode() < 0x80) || text[i] == u'*'
                                          : text[i] == mask[i];
        }
        if (!followsMask)
            return QStringLiteral("%1 holds \"%2\", not of its mask").arg(box, text).toStdString();
    }
    return {};
}

} // namespace ulvane

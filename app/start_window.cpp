#include "app/start_window.h"

#include "app/admission_test_page.h"
#include "widgets/form_builder.h"

#include <QCloseEvent>
#include <QEventLoopLocker>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

namespace ulvane {

namespace {

const QString AccessCode = QStringLiteral("R2864");

// The access code box shows a star for every character, whatever the platform's
// password character.
class StarPasswordStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

using enum ControlKind;

const ControlRow WindowRows[] = {
    {Panel, "Frame1", "", {-120, -360, 12255, 8535}, DialogFont, TopLeft, colours::PageGrey},
};

const ControlRow StartPageRows[] = {
    {Label, "Label1", "Ulvane", {1733, 1320, 8415, 975}, {Typeface::Mono, 24, {.bold = true}}, TopCentred},
    {WrappedLabel, "Label2", "\"Защита кабелей связи от внешних влияний\"", {2273, 3120, 7335, 735},
     {Typeface::Sans, 12, {.italic = true}}, TopCentred},
    {Prompt, "Label5", "Введите пароль (необязательно)", {3533, 3840, 4815, 375},
     {Typeface::Sans, 12, {.bold = true, .underline = true}}},
    {TextBox, "Text1", "", {5633, 4440, 615, 285}, DialogFont, TopLeft, CharacterLimit{5}},
    {CommandButton, "Command1", "Вперед >>", {4500, 7780, 2415, 615}, ButtonFont},
};

} // namespace

StartWindow::StartWindow(MessageBox &messages, std::function<void(WayIn)> openWorkbook)
    : m_openWorkbook(std::move(openWorkbook))
    , m_testPage(new AdmissionTestPage(messages, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ulvane"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(layoutFont(DialogFont));
    setFixedSize(twips(11880), twips(8595));

    place(m_testPage, QStringLiteral("Frame2"), {0, -120, 11895, 8655});
    fillBackground(m_testPage, palette().color(QPalette::Button));
    m_startPage = placeRows(this, WindowRows).get("Frame1");
    const PlacedControls startPage = placeRows(m_startPage, StartPageRows);
    m_accessCode = startPage.get<QLineEdit>("Text1");
    auto *stars = new StarPasswordStyle;
    stars->setParent(m_accessCode);
    m_accessCode->setStyle(stars);
    m_accessCode->setEchoMode(QLineEdit::Password);

    connect(startPage.get<QPushButton>("Command1"), &QPushButton::clicked, this,
            &StartWindow::onCommand1Clicked);
    connect(m_testPage, &AdmissionTestPage::passed, this, [this] { handOverToWorkbook(WayIn::AdmissionTest); });

    // The load step.
    m_testPage->hide();
    m_startPage->show();
}

void StartWindow::onCommand1Clicked()
{
    if (m_accessCode->text() == AccessCode) {
        handOverToWorkbook(WayIn::AccessCode);
        return;
    }
    // The test page shows first: the focus, leaving the hidden button, goes on to its
    // first answer, where a screen reader then starts, rather than to no control.
    m_testPage->show();
    m_startPage->hide();
}

void StartWindow::handOverToWorkbook(WayIn way)
{
    // For a moment no window is open; the program must not end then.
    const QEventLoopLocker keepRunning;
    m_handingOver = true;
    close();
    m_openWorkbook(way);
}

void StartWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_handingOver)
        emit closedWithoutHandOver();
}

} // namespace ulvane

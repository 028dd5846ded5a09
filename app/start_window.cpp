#include "app/start_window.h"

#include "app/admission_test_page.h"
#include "widgets/form_builder.h"

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

} // namespace

StartWindow::StartWindow(MessageBox &messages, std::function<void()> openWorkbook)
    : m_openWorkbook(std::move(openWorkbook))
    , m_testPage(new AdmissionTestPage(messages, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ulvane"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(sansFont(DialogFontPoints));
    setFixedSize(twips(11880), twips(8595));

    place(m_testPage, "Frame2", 0, -120, 11895, 8655);
    fillBackground(m_testPage, palette().color(QPalette::Button));
    buildStartPage();
    connect(m_testPage, &AdmissionTestPage::passed, this, &StartWindow::handOverToWorkbook);

    // The load step.
    m_testPage->hide();
    m_startPage->show();
}

void StartWindow::buildStartPage()
{
    m_startPage = addPanel(this, "Frame1", -120, -360, 12255, 8535, colours::PageGrey);
    QWidget *page = m_startPage;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    addLabel(page, "Label1", QStringLiteral("Ulvane"), 1733, 1320, 8415, 975,
             layoutFont(Typeface::Mono, 24, {.bold = true}), centred);
    auto *topic = addLabel(page, "Label2",
                           QStringLiteral("\"Защита кабелей связи от внешних влияний\""), 2273, 3120,
                           7335, 735, sansFont(12, {.italic = true}), centred);
    topic->setWordWrap(true);
    auto *prompt = addLabel(page, "Label5", QStringLiteral("Введите пароль (необязательно)"), 3533,
                            3840, 4815, 375, sansFont(12, {.bold = true, .underline = true}));

    m_accessCode = place(new QLineEdit(page), "Text1", 5633, 4440, 615, 285);
    auto *stars = new StarPasswordStyle;
    stars->setParent(m_accessCode);
    m_accessCode->setStyle(stars);
    m_accessCode->setEchoMode(QLineEdit::Password);
    m_accessCode->setMaxLength(AccessCode.size());
    prompt->setBuddy(m_accessCode);

    auto *forward = addCommandButton(page, "Command1", QStringLiteral("Вперед >>"), 4500, 7780, 2415,
                                     615);
    connect(forward, &QPushButton::clicked, this, &StartWindow::onCommand1Clicked);
}

void StartWindow::onCommand1Clicked()
{
    if (m_accessCode->text() == AccessCode) {
        handOverToWorkbook();
        return;
    }
    m_startPage->hide();
    m_testPage->show();
}

void StartWindow::handOverToWorkbook()
{
    // For a moment no window is open; the program must not end then.
    const QEventLoopLocker keepRunning;
    close();
    m_openWorkbook();
}

} // namespace ulvane

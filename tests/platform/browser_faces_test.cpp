#include "widgets/masked_box.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

namespace ulvane {
namespace {

// The browser build's faces hold only the characters of platform/browser_characters.txt
// (and that build checks each cut face has them all), so every text the program can
// show must be made of them, or the browser draws empty boxes.
QString readFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The program's own texts (layout rows, messages, catalogue entries, conclusions)
// are all string literals in its sources; between them they hold every character a
// number is written with.
QStringList programTexts()
{
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\\n]|\\.)*)")re"));
    QStringList texts;
    for (const char *folder : {"app", "platform", "widgets", "workbook", "calc"}) {
        QDirIterator files(QStringLiteral(ULVANE_SOURCE_DIR "/") + QLatin1String(folder),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
        while (files.hasNext()) {
            const QString source = readFile(files.next());
            for (const QRegularExpressionMatch &match : literal.globalMatch(source))
                texts << match.captured(1);
        }
    }
    return texts;
}

// Qt's own texts that appear, in Russian as the program installs them: a box's
// context menu and the message boxes' button.
QStringList qtTexts()
{
    QStringList texts;
    MaskedBox box(QStringLiteral("#.##"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    for (const QAction *action : menu->actions())
        texts << action->text() << action->shortcut().toString(QKeySequence::NativeText);
    const QMessageBox message(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
    for (const QAbstractButton *button : message.buttons())
        texts << button->text();
    return texts;
}

TEST(BrowserFaces, HoldEveryCharacterOfEveryTextTheProgramShows)
{
    const QString characters = readFile(QStringLiteral(ULVANE_SOURCE_DIR "/platform/browser_characters.txt"));
    const QStringList qt = qtTexts();
    EXPECT_TRUE(qt.join(QString()).contains(QStringLiteral("Копировать")));
    const QStringList texts = programTexts() + qt;
    EXPECT_GT(texts.size(), 500);
    for (const QString &text : texts) {
        for (const QChar c : text) {
            if (c.isPrint()) {
                EXPECT_TRUE(characters.contains(c)) << QString(c).toStdString() << " in " << text.toStdString();
            }
        }
    }
}

} // namespace
} // namespace ulvane

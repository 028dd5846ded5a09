#include "platform/browser_faces.h"

#include "platform/browser_page.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

#include <emscripten/val.h>

#include <string>

namespace ulvane {

namespace {

void registerLayoutFaces()
{
    const QDir faces(QStringLiteral(":/ulvane/fonts"));
    for (const QString &file : faces.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(faces.filePath(file));
}

// The titles come in a face the page may lack: they get the layout's sans face, at
// the dialog size, loaded into the page from the bytes inside the program.
void styleWindowTitles()
{
    using emscripten::val;
    QFile face(QStringLiteral(":/ulvane/fonts/LiberationSans-Regular.ttf"));
    if (!face.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = face.readAll();
    const val view(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char *>(bytes.data())));
    const val fontFace = val::global("FontFace").new_(std::string("Ulvane Sans"), view.call<val>("slice"));
    val::global("document")["fonts"].call<void>("add", fontFace);
    fontFace.call<val>("load");
    addWindowStyle(".title-bar .window-name { font: " + std::to_string(QFontInfo(QApplication::font()).pixelSize())
                   + "px 'Ulvane Sans', sans-serif; }");
}

} // namespace

void useLayoutFaces()
{
    registerLayoutFaces();
    QApplication::setFont(layoutFont(DialogFont));
    styleWindowTitles();
}

} // namespace ulvane

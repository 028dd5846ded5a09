#include "widgets/fonts.h"

namespace ulvane {

QString layoutFamily(Typeface face)
{
    switch (face) {
    case Typeface::Serif:
        return QStringLiteral("Times New Roman");
    case Typeface::Mono:
        return QStringLiteral("Courier New");
    case Typeface::Sans:
        break;
    }
    return QStringLiteral("MS Sans Serif");
}

namespace {

QString &chosenSansFamily()
{
    static QString family = layoutFamily(Typeface::Sans);
    return family;
}

} // namespace

void setSansFamily(const QString &family)
{
    chosenSansFamily() = family;
}

QFont layoutFont(const QString &family, double points, FontStyle style)
{
    QFont font(family);
    font.setPixelSize(qRound(points * 96 / 72));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

QFont layoutFont(const TextFont &font)
{
    return layoutFont(font.face == Typeface::Sans ? chosenSansFamily() : layoutFamily(font.face), font.points,
                      font.style);
}

} // namespace ulvane

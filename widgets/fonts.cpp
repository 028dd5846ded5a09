#include "widgets/fonts.h"

#include <QString>

namespace ulvane {

namespace {

QString familyOf(Typeface face)
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

} // namespace

void installFontSubstitutions()
{
    QFont::insertSubstitution(familyOf(Typeface::Sans), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(familyOf(Typeface::Serif), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(familyOf(Typeface::Mono), QStringLiteral("Liberation Mono"));
}

QFont layoutFont(const TextFont &font)
{
    QFont qtFont(familyOf(font.face));
    qtFont.setPixelSize(qRound(font.points * 96 / 72));
    qtFont.setBold(font.style.bold);
    qtFont.setItalic(font.style.italic);
    qtFont.setUnderline(font.style.underline);
    return qtFont;
}

} // namespace ulvane

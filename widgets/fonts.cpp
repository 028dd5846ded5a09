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

QFont layoutFont(Typeface face, double points, FontStyle style)
{
    QFont font(familyOf(face));
    font.setPixelSize(qRound(points * 96 / 72));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

QFont sansFont(double points, FontStyle style)
{
    return layoutFont(Typeface::Sans, points, style);
}

} // namespace ulvane

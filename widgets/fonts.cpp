#include "widgets/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
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

// The family the sans texts ask for: the layout's, but on Windows the one chosen at start.
QString &askedSansFamily()
{
    static QString family = familyOf(Typeface::Sans);
    return family;
}

QFont fontOf(const QString &family, double points, FontStyle style)
{
    QFont font(family);
    font.setPixelSize(qRound(points * 96 / 72));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

#ifdef Q_OS_WIN
// Whether the platform draws the family itself, at the size asked and with the Russian
// letters, at every size of the layout's sans texts.
bool drawsRussianAtLayoutSizes(const QString &family)
{
    for (const double points : SansFontPoints) {
        const QFont font = fontOf(family, points, {});
        const QFontInfo drawn(font);
        if (drawn.family() != family || drawn.pixelSize() != font.pixelSize()
            || !QFontMetrics(font).inFontUcs4(U'Ж'))
            return false;
    }
    return true;
}

// Windows' "MS Sans Serif" is a bitmap face in a few sizes, with Russian letters only
// where the system's code page is Cyrillic; Qt picks a bitmap size by its cell height,
// so 8.25 pt text would come in the 10 pt bitmap and be clipped. Where it does not serve,
// "Microsoft Sans Serif" does: the TrueType face of the same metrics that Windows itself
// puts in its place. Wine has no such face; there the Linux stand-in serves.
QString windowsSansFamily()
{
    for (const QString &family : {familyOf(Typeface::Sans), QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("Liberation Sans")}) {
        if (drawsRussianAtLayoutSizes(family))
            return family;
    }
    return familyOf(Typeface::Sans);
}
#endif

} // namespace

void installFontSubstitutions()
{
    QFont::insertSubstitution(familyOf(Typeface::Sans), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(familyOf(Typeface::Serif), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(familyOf(Typeface::Mono), QStringLiteral("Liberation Mono"));
#ifdef Q_OS_WIN
    askedSansFamily() = windowsSansFamily();
#endif
}

QFont layoutFont(const TextFont &font)
{
    return fontOf(font.face == Typeface::Sans ? askedSansFamily() : familyOf(font.face), font.points,
                  font.style);
}

} // namespace ulvane

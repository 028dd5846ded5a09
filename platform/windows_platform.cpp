#include "platform/platform.h"

#include "widgets/fonts.h"
#include "widgets/message_box.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace ulvane {

namespace {

// Whether the platform draws the family itself, at the size asked and with the Russian
// letters, at every size of the layout's sans texts.
bool drawsRussianAtLayoutSizes(const QString &family)
{
    for (const double points : SansFontPoints) {
        const QFont font = layoutFont(family, points);
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
QString chooseSansFamily()
{
    for (const QString &family : {layoutFamily(Typeface::Sans), QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("Liberation Sans")}) {
        if (drawsRussianAtLayoutSizes(family))
            return family;
    }
    return layoutFamily(Typeface::Sans);
}

class WindowsPlatform : public Platform
{
public:
    MessageBox &messages() override { return m_messages; }
    QString sansFamily() const override { return chooseSansFamily(); }

private:
    ModalMessageBox m_messages;
};

} // namespace

std::unique_ptr<Platform> Platform::make()
{
    return std::make_unique<WindowsPlatform>();
}

} // namespace ulvane

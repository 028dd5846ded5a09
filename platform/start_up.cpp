#include "platform/platform.h"

#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QTranslator>

namespace ulvane {

Platform::~Platform() = default;

QString Platform::sansFamily() const
{
    return layoutFamily(Typeface::Sans);
}

void Platform::studyShownResult(int, int)
{
}

void Platform::workFinished()
{
}

void Platform::setUp()
{
}

std::unique_ptr<Platform> startPlatform()
{
    // "MS Sans Serif", "Times New Roman" and "Courier New" are not on Linux nor in
    // the browser; Liberation Sans, Serif and Mono share their metrics.
    QFont::insertSubstitution(layoutFamily(Typeface::Sans), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(layoutFamily(Typeface::Serif), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(layoutFamily(Typeface::Mono), QStringLiteral("Liberation Mono"));

    std::unique_ptr<Platform> platform = Platform::make();
    setSansFamily(platform->sansFamily());
    platform->setUp();

    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral(":/translations/qtbase_ru.qm")))
        QCoreApplication::installTranslator(&qtTexts);
    return platform;
}

} // namespace ulvane

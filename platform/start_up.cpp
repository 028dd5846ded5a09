#include "platform/platform.h"

#include "widgets/accessible_roles.h"
#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QLoggingCategory>
#include <QTranslator>

namespace ulvane {

Platform::~Platform() = default;

QString Platform::sansFamily() const
{
    return layoutFamily(Typeface::Sans);
}

void Platform::workbookOpened(WayIn)
{
}

void Platform::studyShownResult(int, int, const StudyRecord &)
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
#ifdef QT_NO_DEBUG
    // Qt's notes to its own developers ("TODO: implement …") are no news to a student
    // who opens the browser's console; warnings and errors still go there.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
#endif
    // "MS Sans Serif", "Times New Roman" and "Courier New" are not on Linux nor in
    // the browser; Liberation Sans, Serif and Mono share their metrics.
    QFont::insertSubstitution(layoutFamily(Typeface::Sans), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(layoutFamily(Typeface::Serif), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(layoutFamily(Typeface::Mono), QStringLiteral("Liberation Mono"));

    // Before the first window: Qt keeps the first role it gives a widget.
    installAccessibleRoles();

    std::unique_ptr<Platform> platform = Platform::make();
    setSansFamily(platform->sansFamily());
    platform->setUp();

    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral(":/translations/qtbase_ru.qm")))
        QCoreApplication::installTranslator(&qtTexts);
    return platform;
}

} // namespace ulvane

#include "widgets/start_up.h"

#include "widgets/fonts.h"

#ifdef Q_OS_WASM
#include "widgets/browser_platform.h"
#endif

#include <QCoreApplication>
#include <QTranslator>

namespace ulvane {

void setUpApplication()
{
    installFontSubstitutions();
#ifdef Q_OS_WASM
    setUpBrowserPlatform();
#endif
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral(":/translations/qtbase_ru.qm")))
        QCoreApplication::installTranslator(&qtTexts);
}

} // namespace ulvane

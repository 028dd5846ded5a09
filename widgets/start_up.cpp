#include "widgets/start_up.h"

#include "widgets/fonts.h"
#include "widgets/platform.h"

#include <QCoreApplication>
#include <QTranslator>

namespace ulvane {

void setUpApplication()
{
    installFontSubstitutions();
    setUpPlatform();
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral(":/translations/qtbase_ru.qm")))
        QCoreApplication::installTranslator(&qtTexts);
}

} // namespace ulvane

#include "widgets/start_up.h"

#include "widgets/fonts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace ulvane {

void setUpApplication()
{
    installFontSubstitutions();
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral(":/translations/qtbase_ru.qm")))
        QCoreApplication::installTranslator(&qtTexts);
}

} // namespace ulvane

#include "app/creditsline.h"

namespace app {

QString creditsLine()
{
    return QStringLiteral(" Nokia  keypad ic finder - v.1.00") + QString(22, QLatin1Char(' ')) +
           QStringLiteral("Written by Vantrel devs, Maribor, Slovenia") +
           QString(10, QLatin1Char('.')) + QStringLiteral("Data: service guides ") +
           QString(14, QLatin1Char('.')) + QStringLiteral(" Thanks to  Ilka Bertrand and  Tomasz ");
}

} // namespace app

#include "app/creditsline.h"

namespace app {

QString creditsLine()
{
    const auto blanks = [](int count) { return QString(count, QLatin1Char(' ')); };
    const auto stops = [](int count) { return QString(count, QLatin1Char('.')); };
    return QStringLiteral(" Nokia  keypad ic finder - v.1.00") + blanks(22) +
           QStringLiteral("written by the Vantrel team, online, Earth") + stops(10) +
           QStringLiteral("data from team notes ") + stops(14) +
           QStringLiteral(" thanks to  Qt developers and  Debian ");
}

} // namespace app

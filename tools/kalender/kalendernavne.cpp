#include "tools/kalender/kalendernavne.h"

#include <array>

namespace {

const std::array<const char*, 12> maaneder = {"Januar", "Februar", "Marts",   "April",   "Maj",      "Juni",
                                              "Juli",   "August",  "September", "Oktober", "November", "December"};
// Monday first, as QDate numbers the weekdays.
const std::array<const char*, 7> ugedage = {"Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag", "Søndag"};

QString toCifre(int tal) { return QStringLiteral("%1").arg(tal, 2, 10, QLatin1Char('0')); }

}  // namespace

QString makeMonthX(int maaned)
{
    if (maaned < 1 || maaned > 12)
        return {};
    return u' ' + QString::fromUtf8(maaneder[maaned - 1]);
}

QString makeMonth(int maaned) { return toCifre(maaned) + makeMonthX(maaned); }

QString makeDayX(int ugedag)
{
    if (ugedag < 1 || ugedag > 7)
        return {};
    return QString::fromUtf8(ugedage[ugedag - 1]) + u' ';
}

QString makeDay(const QDate& dato) { return toCifre(dato.day()) + u' ' + makeDayX(dato.dayOfWeek()).trimmed(); }

#pragma once

#include <QDate>
#include <QString>

// The Danish names of months and weekdays as the calendar writes them into folder names and
// holiday texts.

// The month's name with a leading blank: " Marts"; empty for a number outside 1..12.
QString makeMonthX(int maaned);
// The month's number with two digits and its name: "03 Marts", "10 Oktober".
QString makeMonth(int maaned);
// The weekday's name with a trailing blank for an ISO weekday (1 Monday .. 7 Sunday): "Fredag ";
// empty for any other number.
QString makeDayX(int ugedag);
// The day's number with two digits and its weekday's name: "05 Fredag".
QString makeDay(const QDate& dato);

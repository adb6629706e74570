#include "platform/processer.h"

#include <QByteArray>
#include <QFile>
#include <QList>

namespace platform {

quint64 processtarttid(qint64 pid)
{
    if (pid <= 0)
        return 0;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // The command's name, in parentheses, may hold spaces and parentheses: the fields are counted
    // from the last ")", after which the state is field 3.
    const QByteArray linje = stat.readAll();
    const qsizetype slut = linje.lastIndexOf(')');
    if (slut < 0)
        return 0;
    const QList<QByteArray> felter = linje.mid(slut + 2).split(' ');
    constexpr int starttidFelt = 22 - 3;
    // A process that ended but was not yet waited for runs no more.
    if (felter.size() <= starttidFelt || felter[0] == "Z" || felter[0] == "X")
        return 0;
    return felter[starttidFelt].toULongLong();
}

}  // namespace platform

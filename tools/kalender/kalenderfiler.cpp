#include "tools/kalender/kalenderfiler.h"

#include "core/drev.h"
#include "core/pathhelpers.h"
#include "tools/kalender/kalendernavne.h"

#include <QDir>
#include <QFileInfo>

QString notatFilnavn(const QString& notatMappe, const QDate& dato)
{
    return stiMed(notatMappe, dato.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral(".txt"));
}

Datomappe opretDatomappe(const QString& kalenderMappe, const QDate& dato)
{
    const QString kalender = QDir::cleanPath(kalenderMappe);
    Datomappe mappe{{drevDel(kalender), kalender}, kalender, {}};
    for (const QString& niveau : {QString::number(dato.year()), makeMonth(dato.month()), makeDay(dato)}) {
        mappe.dagMappe = stiMed(mappe.dagMappe, niveau);
        if (!QFileInfo(mappe.dagMappe).isDir() && !QDir().mkdir(mappe.dagMappe)) {
            mappe.fejl = mappe.dagMappe;
            return mappe;
        }
        mappe.liste.append(mappe.dagMappe);
    }
    return mappe;
}

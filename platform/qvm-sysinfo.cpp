// qvm-sysinfo: the WMI classes of root\CIMV2 as this system's facts.
//   qvm-sysinfo --klasser             the class names, sorted, one a line
//   qvm-sysinfo KLASSE...             the classes' instances as text
//   qvm-sysinfo --html KLASSE...      the same as one UTF-8 HTML page
//   qvm-sysinfo --html --oversigt     an overview page of the system
//   qvm-sysinfo --help                the usage on stdout
// An unknown class: a Danish line on stderr; another bad argument: the usage on stderr; both with
// exit code 2 and nothing printed.
#include "platform/sysinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

constexpr const char* brugstekst =
    "Brug: qvm-sysinfo --klasser | [--html] KLASSE... | --html --oversigt | --help\n"
    "Systemets oplysninger som WMI-klasserne i root\\CIMV2.\n"
    "  --klasser           klassernes navne, sorteret, ét pr. linje\n"
    "  KLASSE...           klassernes forekomster som tekst\n"
    "  --html KLASSE...    det samme som én HTML-side i UTF-8\n"
    "  --html --oversigt   en oversigt over systemet som HTML-side\n"
    "  --help              denne vejledning\n";

int brug()
{
    std::fputs(brugstekst, stderr);
    return 2;
}

void skriv(const QString& tekst)
{
    QFile ud;
    if (ud.open(stdout, QIODevice::WriteOnly))
        ud.write(tekst.toUtf8());
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList argumenter = QCoreApplication::arguments().mid(1);
    if (argumenter.contains(QStringLiteral("--help"))) {
        std::fputs(brugstekst, stdout);
        return 0;
    }
    const bool html = argumenter.removeAll(QStringLiteral("--html")) > 0;
    const bool oversigt = argumenter.removeAll(QStringLiteral("--oversigt")) > 0;
    if (argumenter == QStringList{QStringLiteral("--klasser")} && !html && !oversigt) {
        skriv(platform::Systemoplysninger::klasser().join(u'\n') + u'\n');
        return 0;
    }
    if (oversigt) {
        if (!argumenter.isEmpty())
            return brug();
        argumenter = platform::Systemoplysninger::oversigtsklasser();
    }
    if (argumenter.isEmpty())
        return brug();
    for (const QString& klasse : argumenter) {
        if (klasse.startsWith(u'-'))
            return brug();
        if (!platform::Systemoplysninger::kendtKlasse(klasse)) {
            std::fputs(qPrintable(QStringLiteral("Ukendt klasse: %1. Se listen med qvm-sysinfo --klasser.\n").arg(klasse)), stderr);
            return 2;
        }
    }
    platform::SystemRoots roots;
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
    roots.userAutostart = config + QStringLiteral("/autostart");
    const platform::Systemoplysninger oplysninger(roots);
    QList<std::pair<QString, QList<platform::Forekomst>>> klasser;
    for (const QString& klasse : argumenter)
        klasser.append({klasse, oplysninger.forekomster(klasse)});
    if (!html)
        skriv(platform::somTekst(klasser));
    else
        skriv(platform::somHtml(oversigt ? QStringLiteral("Systemoversigt") : argumenter.join(QStringLiteral(", ")), klasser));
    return 0;
}

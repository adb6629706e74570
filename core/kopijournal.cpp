#include "core/kopijournal.h"

#include "core/pathhelpers.h"
#include "platform/filecopy.h"
#include "platform/filedelete.h"
#include "platform/processer.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kopijournal {
namespace {

// Removes the hidden unfinished copies (files and folders) in mappe, and below it when dybt,
// whose names end in maerke; how many. Links are never followed.
int fjernUfaerdige(const QString& mappe, const QString& maerke, bool dybt)
{
    int fjernet = 0;
    const QFileInfoList indgange =
        QDir(mappe).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& indgang : indgange) {
        if (indgang.fileName().startsWith(u'.') && indgang.fileName().endsWith(maerke)) {
            if (platform::sletTrae(QFile::encodeName(indgang.filePath())) == 0)
                ++fjernet;
        } else if (dybt && indgang.isDir() && !indgang.isSymLink()) {
            fjernet += fjernUfaerdige(indgang.filePath(), maerke, true);
        }
    }
    return fjernet;
}

// The record's first line: the process id, and its start time where the record has it.
struct Ejer {
    qint64 pid = 0;
    quint64 starttid = 0;
    bool gyldig = false;
};

Ejer ejer(const QString& linje)
{
    const QStringList felter = linje.split(u' ', Qt::SkipEmptyParts);
    Ejer e;
    e.pid = felter.value(0).toLongLong(&e.gyldig);
    e.starttid = felter.value(1).toULongLong();
    return e;
}

// Removes the unfinished copies of the record with these lines, and the record; the message.
QString rydPost(const QString& fil, const QStringList& linjer);

bool koerer(const Ejer& e)
{
    const quint64 starttid = platform::processtarttid(e.pid);
    // A record of an earlier version has no start time: its process counts as running while one
    // of that id does.
    return starttid != 0 && (e.starttid == 0 || e.starttid == starttid);
}

}  // namespace

bool skriv(const QString& fil, const Kopiering& kopiering)
{
    QDir().mkpath(QFileInfo(fil).path());
    const QString ejer = QString::number(kopiering.pid) + u' ' + QString::number(platform::processtarttid(kopiering.pid));
    return platform::writeTextLines(fil, QStringList{ejer, kopiering.dest} + kopiering.kilder);
}

void fjern(const QString& fil) { QFile::remove(fil); }

QString ryd(const QString& fil) { return rydPost(fil, platform::readTextLines(fil).value_or(QStringList())); }

namespace {

QString rydPost(const QString& fil, const QStringList& linjer)
{
    fjern(fil);
    const Ejer e = ejer(linjer.value(0));
    const QString dest = linjer.value(1);
    if (!e.gyldig || dest.isEmpty())
        return {};
    const QString maerke = platform::midlertidigtMaerke(e.pid);
    int fjernet = fjernUfaerdige(dest, maerke, false);
    const QStringList kilder = linjer.mid(2);
    for (const QString& kilde : kilder) {
        const QString maal = stiMed(dest, getLastDirectory(QDir::cleanPath(kilde)));
        const QFileInfo info(maal);
        if (info.isDir() && !info.isSymLink())
            fjernet += fjernUfaerdige(maal, maerke, true);
    }
    return QStringLiteral("Den seneste kopiering blev afbrudt, før den var færdig.\rDestination: ") + dest
        + QStringLiteral("\rDer skulle kopieres %1 %2; %3 %4 er fjernet. Se efter i destinationen, hvad der "
                         "nåede frem, og kopier resten igen.")
              .arg(kilder.size())
              .arg(kilder.size() == 1 ? QStringLiteral("element") : QStringLiteral("elementer"))
              .arg(fjernet)
              .arg(fjernet == 1 ? QStringLiteral("ufærdig kopi") : QStringLiteral("ufærdige kopier"));
}

}  // namespace

QStringList rydAfbrudte(const QString& mappe)
{
    QStringList beskeder;
    for (const QFileInfo& fil : QDir(mappe).entryInfoList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QStringList linjer = platform::readTextLines(fil.filePath()).value_or(QStringList());
        if (koerer(ejer(linjer.value(0))))
            continue;
        if (const QString besked = rydPost(fil.filePath(), linjer); !besked.isEmpty())
            beskeder << besked;
    }
    return beskeder;
}

}  // namespace kopijournal

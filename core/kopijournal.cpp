#include "core/kopijournal.h"

#include "core/pathhelpers.h"
#include "platform/filecopy.h"
#include "platform/filedelete.h"
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

}  // namespace

bool skriv(const QString& fil, const Kopiering& kopiering)
{
    QDir().mkpath(QFileInfo(fil).path());
    return platform::writeTextLines(fil, QStringList{QString::number(kopiering.pid), kopiering.dest} + kopiering.kilder);
}

void fjern(const QString& fil) { QFile::remove(fil); }

QString ryd(const QString& fil)
{
    const QStringList linjer = platform::readTextLines(fil).value_or(QStringList());
    fjern(fil);
    bool ok = false;
    const qint64 pid = linjer.value(0).toLongLong(&ok);
    const QString dest = linjer.value(1);
    if (!ok || dest.isEmpty())
        return {};
    const QString maerke = platform::midlertidigtMaerke(pid);
    int fjernet = fjernUfaerdige(dest, maerke, false);
    const QStringList kilder = linjer.mid(2);
    for (const QString& kilde : kilder) {
        const QString maal = stiMed(dest, getLastDirectory(QDir::cleanPath(kilde)));
        const QFileInfo info(maal);
        if (info.isDir() && !info.isSymLink())
            fjernet += fjernUfaerdige(maal, maerke, true);
    }
    return QStringLiteral("Den seneste kopiering blev afbrudt, før den var færdig.\rDestination: ") + dest
        + QStringLiteral("\rDer skulle kopieres %1 %2; %3 ufærdige %4 er fjernet. Se efter i destinationen, hvad der "
                         "nåede frem, og kopier resten igen.")
              .arg(kilder.size())
              .arg(kilder.size() == 1 ? QStringLiteral("element") : QStringLiteral("elementer"))
              .arg(fjernet)
              .arg(fjernet == 1 ? QStringLiteral("kopi") : QStringLiteral("kopier"));
}

}  // namespace kopijournal

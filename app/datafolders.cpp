#include "app/datafolders.h"

#include "app/contentinstall.h"
#include "app/foldercopy.h"
#include "core/pathhelpers.h"
#include "platform/registry.h"
#include "platform/useraccount.h"
#include "platform/userfolders.h"

#include <QDir>
#include <QFileInfo>

DataFolders dataFoldersFor(const QString& home, const QString& user)
{
    DataFolders f;
    f.Abrugernavn = user;
    f.grundMappe = QDir::cleanPath(home) + QStringLiteral("/qvmMirvel");
    f.programmappe = f.grundMappe + QStringLiteral("/Program");
    f.appletsDir = f.programmappe + QStringLiteral("/Window applets/");
    f.infoDir = f.programmappe + QStringLiteral("/Stifinder/tekstfiler/");
    f.strukturDir = f.programmappe + QStringLiteral("/Stifinder");
    f.scriptDir = f.programmappe + QStringLiteral("/scripts/");
    f.ikonDir = f.programmappe + QStringLiteral("/Ikoner/");
    f.lydFil = f.programmappe + QStringLiteral("/Lydfiler/Musik06.wav");
    f.BrugerMappe = f.grundMappe + u'/' + user;
    f.dosMappe = delimKon(f.BrugerMappe + QStringLiteral("/Dos"));
    f.NotatMappe = delimKon(f.BrugerMappe + QStringLiteral("/Noter"));
    f.OptMappe = delimKon(f.BrugerMappe + QStringLiteral("/Egenskaber"));
    f.optFilnavn = f.OptMappe + QStringLiteral("MainEgenskaber.txt");
    f.brugerKalenderMappe = f.BrugerMappe + QStringLiteral("/Kalender");
    f.brugerNotatMappe = f.BrugerMappe + QStringLiteral("/Notater");
    f.mappestrukturDir = delimKon(f.BrugerMappe + QStringLiteral("/Mappestrukturer"));
    f.kopieringsDir = f.OptMappe + QStringLiteral("Kopieringer/");
    return f;
}

DataFolders brugerensDataFolders()
{
    return dataFoldersFor(platform::get<platform::UserFolders>().path(platform::UserFolder::Home), GetUserFromWindows());
}

namespace {

QString withoutSlash(const QString& folder)
{
    return folder.endsWith(u'/') && folder.size() > 1 ? folder.chopped(1) : folder;
}

bool ensureFolder(const QString& folder) { return QDir().mkpath(withoutSlash(folder)); }

// A user folder that starts as a copy of its template; an empty one when the template is missing.
bool ensureFromTemplate(const QString& folder, const QString& templateFolder)
{
    const QString target = withoutSlash(folder);
    removeUnfinishedCopies(target);
    if (QFileInfo(target).isDir())
        return true;
    return copyFolderWhole(templateFolder, target) || ensureFolder(target);
}

}  // namespace

QStringList createDataFolders(const DataFolders& f, const QString& shippedProgram)
{
    QStringList problems;
    const auto require = [&problems](bool made, const QString& folder) {
        if (!made)
            problems.append(withoutSlash(folder));
    };
    if (!ensureFolder(f.grundMappe)) {
        require(false, f.grundMappe);
        return problems;
    }
    require(installContent(shippedProgram, f.programmappe) != ContentInstall::Failed, f.programmappe);
    if (!ensureFolder(f.BrugerMappe)) {
        require(false, f.BrugerMappe);
        return problems;
    }
    require(ensureFromTemplate(f.dosMappe, f.programmappe + QStringLiteral("/Dos")), f.dosMappe);
    require(ensureFolder(f.NotatMappe), f.NotatMappe);
    require(ensureFromTemplate(f.OptMappe, f.programmappe + QStringLiteral("/Egenskaber")), f.OptMappe);
    require(ensureFolder(f.brugerKalenderMappe), f.brugerKalenderMappe);
    require(ensureFolder(f.brugerNotatMappe), f.brugerNotatMappe);
    require(ensureFolder(f.mappestrukturDir), f.mappestrukturDir);
    return problems;
}

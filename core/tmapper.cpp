#include "core/tmapper.h"

#include "platform/registry.h"
#include "platform/useraccount.h"
#include "platform/userfolders.h"
#include "core/beskeder.h"
#include "core/drev.h"

#include <QFileInfo>

using platform::UserFolder;

TGrundObjekt::TGrundObjekt(QObject* owner)
    : QObject(owner)
    , FBrugernavn(GetUserFromWindows())
{
}

void TGrundObjekt::sig(const QString& tekst) const
{
    if (FBeskeder)
        FBeskeder->sig(tekst);
}

namespace {

QString mappe(UserFolder folder) { return platform::get<platform::UserFolders>().path(folder); }

QString findes(UserFolder folder, const char* besked)
{
    const QString path = mappe(folder);
    if (!QFileInfo(path).isDir())
        throw MappeFejl(QString::fromUtf8(besked));
    return path;
}

QString ellerRod(UserFolder folder)
{
    const QString path = mappe(folder);
    return QFileInfo(path).isDir() ? path : QStringLiteral("/");
}

}  // namespace

QString TMapper::GetMyDesktop() const { return findes(UserFolder::Desktop, "Kunne ikke finde skrivebordsmappen."); }
QString TMapper::GetMyDocuments() const { return findes(UserFolder::Documents, "Kunne ikke finde dokumentmappen."); }
QString TMapper::GetMyFavorit() const { return findes(UserFolder::Favorites, "Kunne ikke finde favoritmappen."); }
QString TMapper::GetMyPictures() const { return findes(UserFolder::Pictures, "Kunne ikke finde billedmappen."); }
QString TMapper::GetMyMusic() const { return findes(UserFolder::Music, "Kunne ikke finde musikmappen."); }
QString TMapper::GetMyVideo() const { return findes(UserFolder::Videos, "Kunne ikke finde videomappen."); }
QString TMapper::GetMyApp() const { return findes(UserFolder::AppData, "Kunne ikke finde programmappen."); }
QString TMapper::GetStartMenuPrograms() const
{
    return findes(UserFolder::StartMenuPrograms, "Kunne ikke finde startmenumappen.");
}
QString TMapper::GetCommonDocuments() const
{
    return findes(UserFolder::PublicShare, "Kunne ikke finde dokumentmappen for alle brugere.");
}
QString TMapper::GetCommonMusic() const
{
    return findes(UserFolder::PublicShare, "Kunne ikke finde musikmappen for alle brugere.");
}
QString TMapper::GetCommonPictures() const
{
    return findes(UserFolder::PublicShare, "Kunne ikke finde billedmappen for alle brugere.");
}
QString TMapper::GetCommonVideo() const
{
    return findes(UserFolder::PublicShare, "Kunne ikke finde videomappen for alle brugere.");
}
QString TMapper::GetMyDownLoad() const { return ellerRod(UserFolder::Downloads); }
QString TMapper::GetAllUsers() const { return ellerRod(UserFolder::PublicShare); }
QString TMapper::GetCameraPath() const { return mappe(UserFolder::Pictures) + QStringLiteral("/Camera Roll"); }

int TStrukMapper::getDrevType(const QString& path) const { return int(getDrevKind(path)); }

QString TStrukMapper::getVolumeLabel(const QString& rod) const { return drevLabel(rod); }

#include "tree/ikoner.h"

#include <QApplication>
#include <QHash>
#include <QStyle>

namespace ikoner {

namespace {

struct Billede {
    const char* tema;
    QStyle::StandardPixmap reserve;
};

QIcon fraTema(const Billede& billede)
{
    const QIcon reserve = QApplication::style() ? QApplication::style()->standardIcon(billede.reserve) : QIcon();
    return QIcon::fromTheme(QLatin1String(billede.tema), reserve);
}

QIcon fraTabel(const QHash<int, Billede>& tabel, int slot, QHash<int, QIcon>& cache)
{
    auto found = cache.find(slot);
    if (found == cache.end())
        found = cache.insert(slot, fraTema(tabel.value(slot, {"folder", QStyle::SP_DirIcon})));
    return found.value();
}

}  // namespace

QIcon mappeIkon(int slot)
{
    static const QHash<int, Billede> tabel = {
        {rodDrev, {"drive-harddisk-system", QStyle::SP_DriveHDIcon}},
        {andetDrev, {"drive-harddisk", QStyle::SP_DriveHDIcon}},
        {undermappe, {"folder", QStyle::SP_DirIcon}},
        {billeder, {"folder-pictures", QStyle::SP_DirIcon}},
        {dokumenter, {"folder-documents", QStyle::SP_DirIcon}},
        {musik, {"folder-music", QStyle::SP_DirIcon}},
        {videoer, {"folder-videos", QStyle::SP_DirIcon}},
        {skrivebord, {"user-desktop", QStyle::SP_DesktopIcon}},
        {favoritter, {"folder-bookmark", QStyle::SP_DirLinkIcon}},
        {bruger, {"user-home", QStyle::SP_DirHomeIcon}},
        {diskdrev, {"drive-optical", QStyle::SP_DriveCDIcon}},
    };
    static QHash<int, QIcon> cache;
    return fraTabel(tabel, slot, cache);
}

QIcon filIkon(int slot)
{
    static const QHash<int, Billede> tabel = {
        {filMappe, {"folder", QStyle::SP_DirIcon}},
        {andenFil, {"text-x-generic", QStyle::SP_FileIcon}},
        {3, {"image-x-generic", QStyle::SP_FileIcon}},
        {4, {"audio-x-generic", QStyle::SP_MediaVolume}},
        {5, {"video-x-generic", QStyle::SP_MediaPlay}},
        {6, {"text-plain", QStyle::SP_FileIcon}},
        {7, {"application-x-executable", QStyle::SP_ComputerIcon}},
        {8, {"video-x-generic", QStyle::SP_MediaPlay}},
        {9, {"video-x-generic", QStyle::SP_MediaPlay}},
        {10, {"audio-x-generic", QStyle::SP_MediaVolume}},
        {11, {"emblem-symbolic-link", QStyle::SP_FileLinkIcon}},
        {12, {"video-x-generic", QStyle::SP_MediaPlay}},
        {13, {"audio-x-wav", QStyle::SP_MediaVolume}},
        {14, {"text-x-script", QStyle::SP_FileIcon}},
        {fremvist, {"emblem-important", QStyle::SP_DialogApplyButton}},
        {18, {"text-x-pascal", QStyle::SP_FileIcon}},
        {20, {"text-rtf", QStyle::SP_FileIcon}},
        {21, {"text-x-script", QStyle::SP_FileIcon}},
        {22, {"text-x-javascript", QStyle::SP_FileIcon}},
        {23, {"text-html", QStyle::SP_FileIcon}},
        {24, {"text-css", QStyle::SP_FileIcon}},
        {25, {"text-x-script", QStyle::SP_FileIcon}},
        {26, {"text-x-script", QStyle::SP_FileIcon}},
        {28, {"application-pdf", QStyle::SP_FileIcon}},
        {29, {"application-zip", QStyle::SP_FileIcon}},
        {30, {"text-x-generic", QStyle::SP_FileIcon}},
    };
    static QHash<int, QIcon> cache;
    return fraTabel(tabel, slot, cache);
}

}  // namespace ikoner

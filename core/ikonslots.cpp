#include "core/ikonslots.h"

#include "core/pathhelpers.h"

#include <QHash>

namespace ikoner {

int filSlot(const QString& filnavn)
{
    static const QHash<QString, int> slots = {
        {".rtf", 20}, {".vbs", 21}, {".wsf", 21}, {".js", 22},  {".html", 23}, {".asp", 23},
        {".inc", 23}, {".asa", 23}, {".css", 24}, {".bat", 25}, {".ps1", 26},  {".txt", 6},
        {".xml", 6},  {".xsd", 6},  {".log", 6},  {".mp3", 4},  {".m4a", 10},  {".mp4", 5},
        {".m4v", 8},  {".avi", 9},  {".mpg", 12}, {".wav", 13}, {".exe", 7},   {".lnk", 11},
        {".iss", 14}, {".pas", 18}, {".pdf", 28}, {".zip", 29}, {".dfm", 30},
    };
    const QString ext = filExt(filnavn).toLower();
    if (erDetEnBilledfil(ext))
        return 3;
    return slots.value(ext, andenFil);
}

}  // namespace ikoner

#include "tools/programmer/kendteprogrammer.h"

#include "core/pathhelpers.h"
#include "platform/desktopapps.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

const QList<KendtProgram>& kendteProgrammer()
{
    static const QList<KendtProgram> programmer = {
        {"ChromeButton", "Chrome", "Chrome", "Browsere", ""},
        {"EdgeButton", "Microsoft Edge", "Microsoft Edge", "Browsere", ""},
        {"VLCButton", "VLC medie player", "VLC", "Medie afspillere", ""},
        {"MediaPlayerButton", "Media Player", "Media Player", "Medie afspillere", ""},
        {"NotesblokButton", "Notesblok", "Notesblok", "Andre", ""},
        {"PennoltButton", "Pennolt", "Pennolt", "Andre", "Til tekstfiler af enhver art, specielt scriptfiler"},
        {"vindraButton", "Vindra", "Vindra", "Andre", "Åben indførte webadresser eller programmer"},
        {"PlorraButton", "Plorra", "Plorra", "Andre", "Til billedfiler af type bmp, jpg samt ico"},
    };
    return programmer;
}

namespace {

// The places a program may be, in the order they are tried.
QStringList steder(const KendtProgram& program)
{
    const QString knap = QString::fromLatin1(program.knap);
    const auto poster = [](std::initializer_list<const char*> ider) {
        QStringList fundne;
        for (const char* id : ider)
            fundne.append(platform::findProgrampost(QString::fromLatin1(id)));
        return fundne;
    };
    if (knap == u"ChromeButton")
        return poster({"google-chrome.desktop", "chromium.desktop"});
    if (knap == u"EdgeButton")
        return poster({"microsoft-edge.desktop"});
    if (knap == u"VLCButton")
        return poster({"vlc.desktop", "org.videolan.VLC.desktop"});
    if (knap == u"MediaPlayerButton")
        return {platform::standardProgrampost(QStringLiteral("video/mp4"))};
    if (knap == u"NotesblokButton")
        return {platform::standardProgrampost(QStringLiteral("text/plain"))};
    // The maker's own programs: their entry, their command, or their folder under /opt.
    const QString navn = QString::fromUtf8(program.caption);
    return {platform::findProgrampost(navn.toLower() + QStringLiteral(".desktop")),
            QStandardPaths::findExecutable(navn.toLower()), QStringLiteral("/opt/%1/%1").arg(navn)};
}

}  // namespace

QString kendtProgramsSti(const KendtProgram& program, const QStringList& listensStier)
{
    for (const QString& sti : steder(program)) {
        const bool listet = std::any_of(listensStier.begin(), listensStier.end(),
                                        [&sti](const QString& s) { return sammeTekst(s, sti); });
        if (!sti.isEmpty() && QFileInfo(sti).isFile() && !listet)
            return sti;
    }
    return {};
}

#include "core/pathhelpers.h"

#include "platform/filesystem.h"
#include "core/beskeder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>

QString delimKon(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

QString stiMed(const QString& base, const QString& name)
{
    return delimKon(base) + name;
}

namespace {
char16_t foldAZ(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }
}  // namespace

bool sammeTekst(const QString& a, const QString& b)
{
    return a.size() == b.size() && sammenlignTekst(a, b) == 0;
}

QString foldetAZ(QString tekst)
{
    for (QChar& c : tekst)
        c = QChar(foldAZ(c.unicode()));
    return tekst;
}

int sammenlignTekst(const QString& a, const QString& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = foldAZ(a[i].unicode());
        const char16_t y = foldAZ(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {

QString fileNameOf(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString trimBlanks(QString text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    qsizetype end = text.size();
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

// The name cut before the first of its blank-separated words that is the marker word, when the
// name has two words or more; a cut that would leave no name at all is not made.
QString withoutMarker(const QString& name, const QString& subTekst)
{
    const QStringList words = name.split(u' ');
    if (words.size() < 2)
        return name;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (sammeTekst(trimBlanks(words[i]), subTekst)) {
            const QString cut = trimBlanks(words.mid(0, i).join(u' '));
            return cut.isEmpty() ? name : cut;
        }
    }
    return name;
}

}  // namespace

QString filExt(const QString& path)
{
    const QString name = fileNameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.mid(dot) : QString();
}

QString getLastDirectory(const QString& path)
{
    if (path == u"/")
        return path;
    if (path.isEmpty() || path.endsWith(u'/'))
        return {};
    return fileNameOf(path);
}

QString getNewDirectoryName(const QString& aDirectory, const QString& subTekst)
{
    QString base = trimBlanks(aDirectory);
    const QString name = fileNameOf(base);
    base = base.left(base.size() - name.size()) + withoutMarker(name, subTekst);
    QString candidate = base;
    for (int n = 1; QFileInfo(candidate).isDir(); ++n)
        candidate = base + u' ' + subTekst + QStringLiteral(" (%1)").arg(n);
    return candidate;
}

QString getNewFilename(const QString& oldFilename, const QString& newName, const QString& subTekst,
                       Beskeder& beskeder)
{
    const QString folder = folderOf(oldFilename);
    const QString oldExt = filExt(oldFilename);
    const QString newExt = filExt(newName);
    QString ext = oldExt;
    if (!newExt.isEmpty() && !sammeTekst(newExt, oldExt)) {
        const auto svar = beskeder.spoerg(QStringLiteral("Filen var af type: ") + oldExt + u'\n'
                                              + QStringLiteral("Skal den omdøbes til at være af type ") + newExt
                                              + u'?',
                                          Beskeder::AlleCheck::Skjul);
        if (svar.ja)
            ext = newExt;
    }
    const QString name = newName.left(newName.size() - newExt.size());
    QString candidate = folder + name + subTekst + ext;
    for (int n = 1; platform::entryExists(candidate); ++n)
        candidate = folder + name + subTekst + QStringLiteral(" (%1)").arg(n) + ext;
    return candidate;
}

QString getNewFilnavn(const QString& source, const QString& subTekst)
{
    const QString folder = folderOf(source);
    const QString ext = filExt(source);
    const QString fileName = fileNameOf(source);
    const QString original = fileName.left(fileName.size() - ext.size());
    const QString name = withoutMarker(original, subTekst);
    QString result = name == original ? source : folder + name + ext;
    for (int n = 1; platform::entryExists(result); ++n)
        result = folder + name + u' ' + subTekst + QStringLiteral(" (%1)").arg(n) + ext;
    return result;
}

bool erDetEnBilledfil(const QString& extS)
{
    static const QStringList billeder = {".jpg", ".png", ".bmp", ".ico", ".gif"};
    return billeder.contains(extS.toLower());
}

bool erDetEnTekstfil(const QString& extS)
{
    static const QStringList tekster = {".asp", ".bat", ".html", ".inc", ".js", ".vbs", ".css",
                                        ".txt", ".wsf", ".xml", ".rtf", ".asa", ".ps1"};
    return tekster.contains(extS.toLower());
}

int renameFilExtIn(const QString& aMappe, const QString& oldExt, const QString& newExt, bool alleMapper)
{
    if (!QFileInfo(aMappe).isDir())
        return -1;
    QStringList found;
    // Links to folders are never followed, so a walk cannot leave the folder or run in circles.
    QDirIterator walk(aMappe, QDir::Files | QDir::Hidden | QDir::System,
                      alleMapper ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (walk.hasNext()) {
        const QString path = walk.next();
        const QString name = walk.fileName();
        if (name.size() >= oldExt.size() && sammeTekst(name.right(oldExt.size()), oldExt))
            found.append(path);
    }
    for (const QString& path : found) {
        if (!platform::entryExists(path))
            continue;
        const QString target = path.left(path.size() - filExt(path).size()) + newExt;
        if (!platform::entryExists(target))
            platform::renameNoReplace(path, target);
    }
    return int(found.size());
}

QString udenLinjeskift(QString tekst)
{
    return tekst.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
}

bool harLinjeskift(const QString& tekst) { return tekst.contains(u'\r') || tekst.contains(u'\n'); }

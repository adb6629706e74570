#include "app/programikoner.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QStandardPaths>
#include <QStyle>

namespace {

// The icons of the installed applications stand in the data folders' icon themes. Without a
// theme of the desktop (as offscreen), Qt looks only in its own resources: then the hicolor theme
// of the data folders is the one.
void sikrTema()
{
    QStringList stier = QIcon::themeSearchPaths();
    const qsizetype foer = stier.size();
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (const QString ikoner = data + QStringLiteral("/icons"); !stier.contains(ikoner))
            stier.append(ikoner);
    if (stier.size() != foer)
        QIcon::setThemeSearchPaths(stier);
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("hicolor"));
}

QIcon tomtBillede()
{
    QPixmap tom(32, 32);
    tom.fill(Qt::transparent);
    return QIcon(tom);
}

// The icons by program; a program that applications give different icons has none.
template <class Noegle>
QHash<QString, QString> indeks(const QList<platform::ProgramIkon>& ikoner, Noegle noegle)
{
    QHash<QString, QString> efter;
    for (const platform::ProgramIkon& ikon : ikoner) {
        const QString program = noegle(ikon.program);
        if (!program.isEmpty())
            efter.insert(program, efter.contains(program) && efter.value(program) != ikon.ikon ? QString() : ikon.ikon);
    }
    return efter;
}

// An icon of the theme by name, or from its file when the name is a path.
QIcon temaIkon(const QString& navn) { return navn.startsWith(u'/') ? QIcon(navn) : QIcon::fromTheme(navn); }

}  // namespace

Programikoner::Programikoner()
    : installerede(platform::programIkoner())
    , efterSti(indeks(installerede, [](const QString& sti) { return sti; }))
{
    sikrTema();
}

QString Programikoner::ikonnavn(const QFileInfo& fil)
{
    if (const QString ikon = efterSti.value(fil.absoluteFilePath()); !ikon.isEmpty())
        return ikon;
    if (!efterKanoniskSti)
        efterKanoniskSti = indeks(installerede, [](const QString& sti) { return QFileInfo(sti).canonicalFilePath(); });
    return efterKanoniskSti->value(fil.canonicalFilePath());
}

QIcon Programikoner::ikon(const QString& programfil)
{
    const QFileInfo fil(programfil);
    if (!fil.isFile())
        return tomtBillede();
    const QString navn = programfil.endsWith(QStringLiteral(".desktop")) ? platform::programpostIkon(programfil) : ikonnavn(fil);
    QIcon ikon = navn.isEmpty() ? QIcon() : temaIkon(navn);
    if (ikon.isNull())
        ikon = temaIkon(QStringLiteral("application-x-executable"));
    return ikon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon) : ikon;
}

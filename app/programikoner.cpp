#include "app/programikoner.h"

#include "platform/desktopapps.h"

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

}  // namespace

Programikoner::Programikoner() : efterProgram(platform::programIkoner()) { sikrTema(); }

QIcon Programikoner::temaIkon(const QString& navn)
{
    if (navn.startsWith(u'/'))
        return QIcon(navn);
    sikrTema();
    return QIcon::fromTheme(navn);
}

QIcon Programikoner::ikon(const QString& programfil) const
{
    const QFileInfo fil(programfil);
    if (!fil.isFile())
        return tomtBillede();
    QString navn;
    if (const auto post = platform::programpost(programfil))
        navn = post->ikon;
    else
        navn = efterProgram.value(fil.canonicalFilePath());
    QIcon ikon = navn.isEmpty() ? QIcon() : temaIkon(navn);
    if (ikon.isNull())
        ikon = temaIkon(QStringLiteral("application-x-executable"));
    return ikon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon) : ikon;
}

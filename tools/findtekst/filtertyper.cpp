#include "tools/findtekst/filtertyper.h"

#include "core/pathhelpers.h"

QList<Filtertype> standardFiltertyper()
{
    return {
        {QStringLiteral("Hjemmeside"), QStringLiteral("*.html"), true},
        {QStringLiteral("ASP"), QStringLiteral("*.asp"), true},
        {QStringLiteral("Includefile"), QStringLiteral("*.inc"), true},
        {QStringLiteral("ASA"), QStringLiteral("*.asa"), true},
        {QStringLiteral("StyleSheet"), QStringLiteral("*.css"), true},
        {QStringLiteral("JavaScript"), QStringLiteral("*.js"), true},
        {QStringLiteral("VB script"), QStringLiteral("*.vbs"), true},
        {QStringLiteral("Windows script files"), QStringLiteral("*.wsf"), true},
        {QStringLiteral("Batch"), QStringLiteral("*.bat"), true},
        {QStringLiteral("Power Shell"), QStringLiteral("*.ps1"), false},
        {QStringLiteral("Rich Text"), QStringLiteral("*.rtf"), true},
        {QStringLiteral("Tekstfil"), QStringLiteral("*.txt"), true},
    };
}

std::optional<QList<Filtertype>> filtertyperFraLinjer(const QStringList& linjer)
{
    if (linjer.size() % 3 != 0)
        return std::nullopt;
    QList<Filtertype> typer;
    for (qsizetype i = 0; i < linjer.size(); i += 3)
        typer.append({linjer[i], linjer[i + 1], linjer[i + 2] == u"1"});
    return typer;
}

QStringList linjerFraFiltertyper(const QList<Filtertype>& typer)
{
    QStringList linjer;
    for (const Filtertype& type : typer)
        linjer << type.tekst << type.moenster << (type.afkrydset ? QStringLiteral("1") : QStringLiteral("0"));
    return linjer;
}

QString moensterFraType(const QString& type)
{
    if (type == u"*.*")
        return type;
    return QStringLiteral("*.") + type.mid(type.lastIndexOf(u'.') + 1);
}

int filterplads(const QList<Filtertype>& typer, const QString& moenster)
{
    int plads = 0;
    for (const Filtertype& type : typer) {
        if (!type.afkrydset)
            continue;
        if (sammeTekst(type.moenster, moenster))
            return plads;
        ++plads;
    }
    return -1;
}

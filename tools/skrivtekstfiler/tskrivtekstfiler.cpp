#include "tools/skrivtekstfiler/tskrivtekstfiler.h"

#include "core/beskeder.h"
#include "core/pathhelpers.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

// The names of the media files go into the pages as their own kind of text: percent-encoded
// where they are addresses (a source, a script's string), HTML-escaped where they are shown, so
// no name can break a page or bring markup or script into it.
namespace {

QString adresse(const QString& navn) { return QString::fromLatin1(QUrl::toPercentEncoding(navn)); }

QString vist(const QString& navn) { return navn.toHtmlEscaped(); }

const QStringList htmlSkelet = {"<!DOCTYPE html>", "<html>", "<head>", "<title></title>", "</head>", "<body>", "",
                                "</body>", "</html>"};

QStringList sidensBegyndelse(const QString& titel, const QString& mappe)
{
    return {"<!DOCTYPE html>", "<html>", "<head>", "<title>" + titel + "</title>",
            "<base href=\"" + QUrl::fromLocalFile(mappe + u'/').toString(QUrl::FullyEncoded) + "\">", "", "<script>"};
}

QStringList afspilning(const QStringList& SL)
{
    QStringList linjer = {"function afspil(melodiNo,checkid){", "var eleSrc;", "switch(melodiNo){"};
    for (int k = 0; k < SL.size(); ++k)
        linjer << QStringLiteral("case %1:").arg(k) << "eleSrc=\"" + adresse(SL[k]) + "\";" << "break;";
    linjer << "}" << "var ele=document.getElementById(\"afspiller\");" << "ele.src=eleSrc;" << "ele.autoplay=true;"
           << "document.getElementById(checkid).checked=true;}" << "</script>" << "";
    return linjer;
}

QStringList stilblok(const QString& symbol)
{
    return {"<style type=\"text/css\">", "*{font-family: Verdana; font-size: 9pt; color #000000;}", "caption{",
            "color: #0000FF;", "margin-bottom: 4px;", "}", "table,th,td{", "border: 1px solid #888888;",
            "border-collapse:collapse;", "}", "th{", "padding-left: 4px;", "padding-right: 4px;", "padding-top: 4px;",
            "padding-bottom: 4px;", "color: #FFFFFF;", "background-color:#228822;", "text-align: left;", "}", "td{",
            "padding-left: 4px;", "padding-right: 4px;", "padding-top: 2px;", "padding-bottom: 2px;", "}",
            "button::before{", "content: \"" + symbol + "\" \" \";", "}", "</style>", ""};
}

QStringList titeltabel(const QString& caption, const QStringList& SL, const QString& knap)
{
    QStringList linjer = {"<table>", "<caption>" + caption + "</caption>", "<colgroup>",
                          " <col span=\"1\" style=\"background-color: #DDDDDD;\">",
                          " <col span=\"1\" style=\"background-color: #FFFFFF;\">",
                          " <col style=\"background-color: #FFFFFF;\">", "</colgroup>",
                          "<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>"};
    for (int j = 0; j < SL.size(); ++j)
        linjer << "<tr>"
               << QStringLiteral(" <td><input type=\"radio\" name=\"aktuel\" id=\"melodi%1\" disabled%2></td>")
                      .arg(j)
                      .arg(j == 0 ? QStringLiteral(" checked") : QString())
               << " <td>" + vist(SL[j]) + "</td>"
               << QStringLiteral(" <td><button onclick=\"afspil(%1,'melodi%1')\">%2</button></td>").arg(j).arg(knap)
               << "</tr>";
    linjer << "</table>";
    return linjer;
}

QString foersteKilde(const QStringList& SL) { return SL.isEmpty() ? QString() : adresse(SL.first()); }

}  // namespace

QString TSkrivTekstfiler::getFilnavn(const QString& aFilename)
{
    const QFileInfo info(aFilename);
    Hovedmappe = info.path();
    Ext = filExt(aFilename);
    if (!info.exists() && !info.isSymLink())
        return aFilename;
    const QString navn = info.fileName().chopped(Ext.size());
    for (int n = 1; n < 100000; ++n) {
        const QString kandidat = stiMed(Hovedmappe, navn + QStringLiteral(" (%1)").arg(n) + Ext);
        if (!QFileInfo::exists(kandidat) && !QFileInfo(kandidat).isSymLink())
            return kandidat;
    }
    return {};
}

QString TSkrivTekstfiler::friNavn(const QString& aFilename)
{
    const QString fil = aFilename.isEmpty() ? QString() : getFilnavn(aFilename);
    if (fil.isEmpty())
        beskeder.sig(QStringLiteral("Der er fejl i filnavnet.\r"));
    return fil;
}

QString TSkrivTekstfiler::skrivNy(const QString& fil, const QStringList& linjer)
{
    QFile ud(fil);
    // A name taken meanwhile is never written over.
    if (!ud.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {};
    QByteArray indhold("\xEF\xBB\xBF");
    for (const QString& linje : linjer)
        indhold += linje.toUtf8() + "\r\n";
    if (ud.write(indhold) != indhold.size() || !ud.flush()) {
        ud.remove();
        return {};
    }
    return fil;
}

QString TSkrivTekstfiler::opretTekstfil(const QString& aFilename)
{
    const QString fil = friNavn(aFilename);
    if (fil.isEmpty())
        return {};
    QStringList linjer;
    if (Ext == u".html")
        linjer = htmlSkelet;
    else if (Ext == u".asp")
        linjer = QStringList{"<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>"} + htmlSkelet;
    else if (Ext == u".wsf")
        linjer = {"<job id=\"\">", "<script language=\"VBScript\">", "", "</script>", "</job>"};
    return skrivNy(fil, linjer);
}

QString TSkrivTekstfiler::opretFilmliste(const QString& aFilename, const QStringList& SL)
{
    const QString fil = friNavn(aFilename);
    if (fil.isEmpty())
        return {};
    QStringList linjer = sidensBegyndelse(QStringLiteral("Filmliste"), Hovedmappe) + afspilning(SL)
        + stilblok(QStringLiteral("\\25B6"));
    linjer << "</head>" << "<body style=\"display: flex; flex-wrap: wrap;\">" << "" << "<div>"
           << "<video controls id=\"afspiller\" style=\"width: auto;\">" << "<source src=\"" + foersteKilde(SL) + "\">"
           << "</video>" << "</div>" << "" << "<div style=\"margin: 16px 0px 0px 16px;\">";
    linjer += titeltabel(QStringLiteral("Filmliste"), SL, QStringLiteral("Afspil"));
    linjer << "</div>" << "" << "</body>" << "</html>";
    return skrivNy(fil, linjer);
}

QString TSkrivTekstfiler::opretMusikliste(const QString& aFilename, const QStringList& SL)
{
    const QString fil = friNavn(aFilename);
    if (fil.isEmpty())
        return {};
    QStringList linjer = sidensBegyndelse(QStringLiteral("Musikliste"), Hovedmappe) + afspilning(SL)
        + stilblok(QStringLiteral("\\266C"));
    linjer << "</head>" << "<body>" << "" << "<audio controls id=\"afspiller\" style=\"width: auto;\">"
           << "<source src=\"" + foersteKilde(SL) + "\">" << "</audio><br>" << "";
    linjer += titeltabel(QStringLiteral("Musikliste"), SL, QStringLiteral("Afspil"));
    linjer << "" << "</body>" << "</html>";
    return skrivNy(fil, linjer);
}

QString TSkrivTekstfiler::opretBilledliste(const QString& aFilename, const QStringList& SL)
{
    const QString fil = friNavn(aFilename);
    if (fil.isEmpty())
        return {};
    QStringList linjer = sidensBegyndelse(QStringLiteral("Billedliste"), Hovedmappe);
    linjer << "function setProcent(procent){" << "procent=procent+\"%\";"
           << "var ele=document.getElementById(\"afspiller\");" << "ele.style.width=procent;"
           << "ele.style.height=procent;}" << "";
    linjer += afspilning(SL) + stilblok(QStringLiteral("\\25B6"));
    linjer << "</head>" << "<body style=\"display: flex; flex-wrap: wrap;\">" << "" << "<div>" << "<table>"
           << "<caption>Billedstørrelse</caption>" << "<tr>";
    for (int procent = 100; procent >= 10; procent -= 10) {
        linjer << QStringLiteral("<td><input type=\"radio\" name=\"bredde\"%1 onclick=\"setProcent(%2)\">%2%</td>")
                      .arg(procent == 100 ? QStringLiteral(" checked=\"true\"") : QString())
                      .arg(procent);
        if (procent == 60)
            linjer << "</tr>" << "<tr>";
    }
    linjer << "</tr>" << "</table><br>" << "";
    linjer += titeltabel(QStringLiteral("Billedliste"), SL, QStringLiteral("Vis"));
    linjer << "</div>" << ""
           << "<img id=\"afspiller\" style=\"margin: 16px 0px 0px 16px;\" src=\"" + foersteKilde(SL) + "\">" << ""
           << "</body>" << "</html>";
    return skrivNy(fil, linjer);
}

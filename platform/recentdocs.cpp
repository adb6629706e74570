#include "platform/recentdocs.h"

#include "platform/registry.h"
#include "platform/userfolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <optional>

namespace platform {
namespace {

const QString bookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString mimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

QString listeFil()
{
    const QString data = get<UserFolders>().path(UserFolder::AppData);
    QDir().mkpath(data);
    return data + QStringLiteral("/recently-used.xbel");
}

QString nu() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs); }

void skrivBogmaerke(QXmlStreamWriter& xml, const QString& href, const QString& fil)
{
    const QString tid = nu();
    xml.writeStartElement(QStringLiteral("bookmark"));
    xml.writeAttribute(QStringLiteral("href"), href);
    xml.writeAttribute(QStringLiteral("added"), tid);
    xml.writeAttribute(QStringLiteral("modified"), tid);
    xml.writeAttribute(QStringLiteral("visited"), tid);
    xml.writeStartElement(QStringLiteral("info"));
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    xml.writeEmptyElement(mimeNs, QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), QMimeDatabase().mimeTypeForFile(fil).name());
    xml.writeStartElement(bookmarkNs, QStringLiteral("applications"));
    xml.writeEmptyElement(bookmarkNs, QStringLiteral("application"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("qvmMirvel"));
    xml.writeAttribute(QStringLiteral("exec"), QStringLiteral("'qvmmirvel %u'"));
    xml.writeAttribute(QStringLiteral("modified"), tid);
    xml.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

// Reads on to the next bookmark; false when there is none before the end.
bool naesteBogmaerke(QXmlStreamReader& laes)
{
    while (!laes.atEnd()) {
        laes.readNext();
        if (laes.isStartElement() && laes.name() == u"bookmark")
            return true;
    }
    return false;
}

// The number of bookmarks that a list holds whole: all of them, or, in a list cut off (as a crash
// leaves a file), those before the cut. Nothing when the list cannot be read.
std::optional<int> heleBogmaerker(const QByteArray& indhold)
{
    QXmlStreamReader laes(indhold);
    int antal = 0;
    while (naesteBogmaerke(laes)) {
        laes.skipCurrentElement();
        if (laes.hasError())
            break;
        ++antal;
    }
    if (laes.hasError() && laes.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        return std::nullopt;
    return antal;
}

// Copies the bookmarks of the old list that it holds whole, renewing the times of the one with
// href; true when that one was among them.
bool kopierBogmaerker(const QByteArray& indhold, int antal, const QString& href, QXmlStreamWriter& xml)
{
    QXmlStreamReader laes(indhold);
    bool fundet = false;
    for (int n = 0; n < antal && naesteBogmaerke(laes); ++n) {
        const bool vores = laes.attributes().value(QStringLiteral("href")) == href;
        fundet = fundet || vores;
        xml.writeStartElement(QStringLiteral("bookmark"));
        for (const QXmlStreamNamespaceDeclaration& navnerum : laes.namespaceDeclarations())
            xml.writeNamespace(navnerum.namespaceUri().toString(), navnerum.prefix().toString());
        for (const QXmlStreamAttribute& egenskab : laes.attributes()) {
            const bool tid = egenskab.name() == u"modified" || egenskab.name() == u"visited";
            const QString vaerdi = vores && tid ? nu() : egenskab.value().toString();
            if (egenskab.namespaceUri().isEmpty())
                xml.writeAttribute(egenskab.qualifiedName().toString(), vaerdi);
            else
                xml.writeAttribute(egenskab.namespaceUri().toString(), egenskab.name().toString(), vaerdi);
        }
        for (int dybde = 1; dybde > 0 && !laes.atEnd();) {
            laes.readNext();
            if (laes.isStartElement())
                ++dybde;
            else if (laes.isEndElement())
                --dybde;
            if (dybde > 0)
                xml.writeCurrentToken(laes);
        }
        xml.writeEndElement();
    }
    return fundet;
}

// Writes the list anew: the bookmarks of the old one, with fil's renewed or added; with an empty
// fil, no bookmarks at all. A list that cannot be read is left as it is, and so is one whose new
// content would not read back whole.
bool skrivListe(const QString& fil)
{
    const QString sti = listeFil();
    QFile gammel(sti);
    QByteArray indhold;
    if (gammel.open(QIODevice::ReadOnly))
        indhold = gammel.readAll();
    gammel.close();
    const QString href = fil.isEmpty() ? QString() : QUrl::fromLocalFile(fil).toString(QUrl::FullyEncoded);
    const std::optional<int> antal = fil.isEmpty() || indhold.isEmpty() ? 0 : heleBogmaerker(indhold);
    if (!antal)
        return false;

    QByteArray ny;
    QXmlStreamWriter xml(&ny);
    xml.setAutoFormatting(true);
    xml.writeNamespace(bookmarkNs, QStringLiteral("bookmark"));
    xml.writeNamespace(mimeNs, QStringLiteral("mime"));
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("xbel"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    const bool fundet = kopierBogmaerker(indhold, *antal, href, xml);
    if (!fil.isEmpty() && !fundet)
        skrivBogmaerke(xml, href, fil);
    xml.writeEndElement();
    xml.writeEndDocument();
    if (xml.hasError() || heleBogmaerker(ny) != *antal + (fil.isEmpty() || fundet ? 0 : 1))
        return false;
    QSaveFile nyFil(sti);
    return nyFil.open(QIODevice::WriteOnly) && nyFil.write(ny) == ny.size() && nyFil.commit();
}

}  // namespace

bool tilfoejSenesteDokument(const QString& fil) { return !fil.isEmpty() && skrivListe(QFileInfo(fil).absoluteFilePath()); }

bool rydSenesteDokumenter() { return skrivListe(QString()); }

}  // namespace platform

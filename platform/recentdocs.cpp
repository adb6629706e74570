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

// Writes the list anew: the entries of the old one, with fil's entry renewed or added; with an
// empty fil, no entries at all.
bool skrivListe(const QString& fil)
{
    const QString sti = listeFil();
    QFile gammel(sti);
    QByteArray indhold;
    if (gammel.open(QIODevice::ReadOnly))
        indhold = gammel.readAll();
    gammel.close();
    const QString href = fil.isEmpty() ? QString() : QUrl::fromLocalFile(fil).toString(QUrl::FullyEncoded);

    QSaveFile ny(sti);
    if (!ny.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&ny);
    xml.setAutoFormatting(true);
    xml.writeNamespace(bookmarkNs, QStringLiteral("bookmark"));
    xml.writeNamespace(mimeNs, QStringLiteral("mime"));
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("xbel"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    bool fundet = false;
    if (!fil.isEmpty() && !indhold.isEmpty()) {
        QXmlStreamReader laes(indhold);
        // Every bookmark of the old list is copied whole, ours with its times renewed.
        while (laes.readNextStartElement() || (!laes.atEnd() && !laes.hasError())) {
            if (!laes.isStartElement() || laes.name() != u"bookmark")
                continue;
            const bool vores = laes.attributes().value(QStringLiteral("href")) == href;
            fundet = fundet || vores;
            xml.writeStartElement(QStringLiteral("bookmark"));
            for (const QXmlStreamAttribute& egenskab : laes.attributes()) {
                const bool tid = egenskab.name() == u"modified" || egenskab.name() == u"visited";
                xml.writeAttribute(egenskab.qualifiedName().toString(), vores && tid ? nu() : egenskab.value().toString());
            }
            for (int dybde = 1; dybde > 0 && !laes.atEnd();) {
                laes.readNext();
                if (laes.isStartElement())
                    ++dybde;
                else if (laes.isEndElement())
                    --dybde;
                if (dybde > 0 || !laes.isEndElement())
                    xml.writeCurrentToken(laes);
            }
            xml.writeEndElement();
        }
        if (laes.hasError() && laes.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            return false;  // a list we cannot read is left as it is
    }
    if (!fil.isEmpty() && !fundet)
        skrivBogmaerke(xml, href, fil);
    xml.writeEndElement();
    xml.writeEndDocument();
    return !xml.hasError() && ny.commit();
}

}  // namespace

bool tilfoejSenesteDokument(const QString& fil) { return !fil.isEmpty() && skrivListe(QFileInfo(fil).absoluteFilePath()); }

bool rydSenesteDokumenter() { return skrivListe(QString()); }

}  // namespace platform

#include "core/tekstfilnavn.h"

#include <QFile>

namespace {
constexpr char16_t skraastreg = u'\u2215';
}

std::optional<QString> tekstfilnavn(const QString& tekst)
{
    if (tekst.isEmpty() || tekst == u"." || tekst == u".." || tekst.contains(u'\n') || tekst.contains(u'\r')
        || tekst.contains(QChar(0)))
        return std::nullopt;
    QString navn = tekst;
    navn.replace(u'/', QChar(skraastreg)).append(QStringLiteral(".txt"));
    // The name as the file system keeps it must read back as the same name (a leading
    // byte-order mark or a lone surrogate would not), or the file would be listed as another text.
    const QByteArray paaDisken = QFile::encodeName(navn);
    if (paaDisken.size() > 255 || QFile::decodeName(paaDisken) != navn)
        return std::nullopt;
    return navn;
}

QString tekstAfFilnavn(const QString& navn) { return QString(navn).replace(QChar(skraastreg), u'/'); }

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
    if (QFile::encodeName(navn).size() > 255)
        return std::nullopt;
    return navn;
}

QString tekstAfFilnavn(const QString& navn) { return QString(navn).replace(QChar(skraastreg), u'/'); }

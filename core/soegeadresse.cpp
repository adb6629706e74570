#include "core/soegeadresse.h"

#include <QUrl>

QString soegeadresse(Soegetjeneste tjeneste, const QString& tekst)
{
    const char* grund = tjeneste == Soegetjeneste::Google ? "https://www.google.com/search?q="
                        : tjeneste == Soegetjeneste::Bing ? "https://www.bing.com/search?q="
                                                          : "https://www.youtube.com/results?search_query=";
    return QLatin1String(grund) + QString::fromLatin1(QUrl::toPercentEncoding(tekst));
}

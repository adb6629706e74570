#include "platform/fejlaarsag.h"

#include <cerrno>

namespace platform {

QString fejlaarsag(int fejl)
{
    switch (fejl) {
    case SaerligFil: return QStringLiteral("Elementet er en særlig fil (FIFO, sokkel eller enhed), som ikke kopieres.");
    case KopiForsvundet: return QStringLiteral("Kopien findes ikke længere.");
    case UlaeseligtNavn: return QStringLiteral("Navnet kan ikke læses som tekst (det er ikke gyldig UTF-8), så elementet kan ikke nås under det.");
    case EUCLEAN: return QStringLiteral("Filsystemet på drevet er beskadiget; lad drevet kontrollere, før det bruges igen.");
    case EACCES:
    case EPERM: return QStringLiteral("Måske mangler der rettigheder dertil.");
    case ENOSPC: return QStringLiteral("Der er ikke mere plads på drevet.");
    case EDQUOT: return QStringLiteral("Der er ikke mere plads i din kvote på drevet.");
    case EIO: return QStringLiteral("Drevet kunne ikke læses eller skrives (I/O-fejl).");
    case EROFS: return QStringLiteral("Drevet er skrivebeskyttet.");
    case ENAMETOOLONG: return QStringLiteral("Navnet eller stien er for lang.");
    case ENOENT: return QStringLiteral("Elementet eksisterer ikke.");
    case EXDEV: return QStringLiteral("Elementet ligger på et andet drev.");
    case EMFILE:
    case ENFILE: return QStringLiteral("Der er for mange åbne filer.");
    case ENOTEMPTY: return QStringLiteral("Mappen er ikke tom.");
    case ELOOP: return QStringLiteral("Stien har for mange symbolske links.");
    case EEXIST: return QStringLiteral("Der står allerede et element med det navn.");
    case EISDIR: return QStringLiteral("Der står en mappe med det navn.");
    case ENOTDIR: return QStringLiteral("En del af stien er ikke en mappe.");
    case EINVAL: return QStringLiteral("Navnet kan ikke bruges på drevet.");
    case EBUSY: return QStringLiteral("Elementet er i brug.");
    default: return QStringLiteral("Der opstod en ukendt fejl (fejlkode %1).").arg(fejl);
    }
}

}  // namespace platform

#include "app/errorinfo.h"

#include <QHash>

QString errorTekst(int Nr)
{
    static const QHash<int, QString> tekster = {
        {0, QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.")},
        {2, QStringLiteral("Den specificerede fil blev ikke fundet.")},
        {3, QStringLiteral("Stien blev ikke fundet.")},
        {5, QStringLiteral("Operationssystemet forbød adgang til filen.")},
        {8, QStringLiteral("Der var ikke hukommelse nok til at fuldføre operationen.")},
        {11, QStringLiteral("Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).")},
        {26, QStringLiteral("Der opstod en \"sharing violation\".")},
        {27, QStringLiteral("Filnavnsassociatonen er ukomplet eller invalid")},
        {28, QStringLiteral("\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".")},
        {29, QStringLiteral("\"DDE transaction\" mislykkedes.")},
        {30, QStringLiteral("Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\n"
                            "fordi andre \"DDE transactions\" skulle udføres.")},
        {31, QStringLiteral("Der er ikke associeret noget program til givne filefternavn.\n"
                            "Der er muligvist valgt: For redigering.\nDer skal muligvist vælges: For kørsel.")},
        {32, QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.")},
        {20, QStringLiteral("Der er ingen terminal at køre i. Installer en terminal, for eksempel pakken xterm, "
                            "eller sæt miljøvariablen TERMINAL til den terminal, der skal bruges.")},
        {21, QStringLiteral("Der er ingen webbrowser til at åbne adressen. Installer en webbrowser.")},
        {22, QStringLiteral("Programmet blev fundet, men kunne ikke startes.")},
    };
    return tekster.value(Nr, QStringLiteral("Meningsløs operation eller ukendt fejl."));
}

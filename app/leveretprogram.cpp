#include "app/leveretprogram.h"

#include "app/contentinstall.h"

#include <QDir>

QStringList leveredeSteder(const QString& programMappe)
{
    return {QDir::cleanPath(programMappe + QStringLiteral("/Program")),
            QDir::cleanPath(programMappe + QStringLiteral("/" QVM_RELATIV_PROGRAM))};
}

QString findLeveretProgram(const QString& programMappe)
{
    for (const QString& sted : leveredeSteder(programMappe))
        if (!contentStamp(sted).isEmpty())
            return sted;
    return {};
}

QString manglendeProgramBesked(const QString& programMappe)
{
    return QStringLiteral("Programmets hjælpesider og skabeloner blev ikke fundet i:\r") + leveredeSteder(programMappe).join(u'\r')
           + QStringLiteral("\rProgrammet fortsætter uden dem.");
}

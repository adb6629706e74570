#include "bench/findtekst/manifest.h"

#include <QFile>
#include <array>

namespace {

constexpr std::array<qsizetype Taelling::*, 6> tallene = {&Taelling::fund,   &Taelling::somSkrevet,
                                                          &Taelling::heleOrd, &Taelling::linjer,
                                                          &Taelling::dokumenter, &Taelling::kildebytes};

}  // namespace

void skrivManifest(const QString& sti, const Manifest& manifest)
{
    QString tekst;
    for (const auto& [noegle, taelling] : manifest) {
        tekst += noegle.first + u' ' + noegle.second;
        for (const auto tal : tallene)
            tekst += u' ' + QString::number(taelling.*tal);
        tekst += u'\n';
    }
    QFile fil(sti);
    if (!fil.open(QIODevice::WriteOnly | QIODevice::Truncate) || fil.write(tekst.toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(sti));
}

Manifest laesManifest(const QString& sti)
{
    QFile fil(sti);
    if (!fil.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(sti));
    Manifest manifest;
    for (const QString& linje : QString::fromUtf8(fil.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList felter = linje.split(u' ');
        if (felter.size() != 2 + qsizetype(tallene.size()))
            qFatal("%s is damaged", qPrintable(sti));
        Taelling& taelling = manifest[{felter[0], felter[1]}];
        for (size_t i = 0; i < tallene.size(); ++i)
            taelling.*tallene[i] = felter[2 + i].toLongLong();
    }
    return manifest;
}

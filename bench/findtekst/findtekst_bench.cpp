// The text search in documents ("Find tekst") against reference tools on the same documents in
// the same run:
//   findtekst_bench text DIR   the .txt, .html and .xml documents searched for "kaffe" and "blåbær",
//                              case ignored, against grep -r -i -F -o
//   findtekst_bench rtf DIR    the .rtf documents, against unrtf, iconv and grep -o -i -F a document
//   findtekst_bench stop DIR   milliseconds from stop to the end of a search in a 200 MiB document
// The documents are made once under DIR with a manifest of what was planted in them; the engine's
// counts must equal it, or the benchmark says what differs and fails.
#include "bench/common/median.h"
#include "bench/findtekst/dokumentgenerator.h"
#include "bench/findtekst/stopmaaling.h"
#include "tools/findtekst/dokumentsoegning.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSet>
#include <cstdio>
#include <cstdlib>

namespace {

QList<Fundraekke> soeg(const QString& mappe, const QString& type, const QString& soegeord, SoegeValg valg)
{
    const std::atomic_bool stop = false;
    QList<Fundraekke> raekker;
    const Soegeresultat resultat =
        soegDokumenter(mappe, QStringLiteral("*.") + type, soegeord, valg, stop, laesDokument,
                       [&raekker](QList<Fundraekke>&& nye) { raekker.append(std::move(nye)); });
    if (resultat.fejl || resultat.stoppet || resultat.afgraenset || !resultat.ulaeselige.isEmpty())
        qFatal("the search of *.%s for %s did not end well", qPrintable(type), qPrintable(soegeord));
    return raekker;
}

struct Optaelling {
    qsizetype fund = 0;
    qsizetype linjer = 0;
    qsizetype dokumenter = 0;
};

Optaelling optael(const QList<Fundraekke>& raekker)
{
    QSet<QString> linjer, dokumenter;
    for (const Fundraekke& raekke : raekker) {
        linjer.insert(raekke.dokument + QChar(u'\0') + raekke.linje);
        dokumenter.insert(raekke.dokument);
    }
    return {raekker.size(), linjer.size(), dokumenter.size()};
}

// A tool's hits, one a line as "path:line:...".
Optaelling optaelUdskrift(const QByteArray& udskrift)
{
    Optaelling optaelling;
    QSet<QByteArray> linjer, dokumenter;
    for (const QByteArray& linje : udskrift.split('\n')) {
        if (linje.isEmpty())
            continue;
        ++optaelling.fund;
        const QList<QByteArray> felter = linje.split(':');
        dokumenter.insert(felter[0]);
        linjer.insert(felter[0] + ':' + felter.value(1));
    }
    optaelling.linjer = linjer.size();
    optaelling.dokumenter = dokumenter.size();
    return optaelling;
}

bool lig(const QString& type, const QString& soegeord, const char* hvad, qsizetype fundet, qsizetype plantet)
{
    if (fundet != plantet)
        std::printf("DIFFERS: %s %s %s: the search found %lld, the manifest says %lld\n", qPrintable(type),
                    qPrintable(soegeord), hvad, static_cast<long long>(fundet), static_cast<long long>(plantet));
    return fundet == plantet;
}

// Holds the engine's counts in the documents of one type to the manifest, and prints them: hits,
// lines and documents with case ignored, and the hits of the word as written and as a whole word.
bool kontroller(const Dokumentsaet& saet, const QString& type)
{
    bool ens = true;
    for (const QString& soegeord : soegeordene) {
        const Taelling& plantet = saet.manifest.at({type, soegeord});
        const Optaelling alle = optael(soeg(saet.mappe, type, soegeord, {}));
        const qsizetype somSkrevet = soeg(saet.mappe, type, soegeord, {false, true}).size();
        const qsizetype heleOrd = soeg(saet.mappe, type, soegeord, {true, false}).size();
        std::printf("%-4s %s: %lld hits, %lld lines, %lld documents; %lld as written, %lld whole words\n",
                    qPrintable(type), qPrintable(soegeord), static_cast<long long>(alle.fund),
                    static_cast<long long>(alle.linjer), static_cast<long long>(alle.dokumenter),
                    static_cast<long long>(somSkrevet), static_cast<long long>(heleOrd));
        ens &= lig(type, soegeord, "hits", alle.fund, plantet.fund);
        ens &= lig(type, soegeord, "lines", alle.linjer, plantet.linjer);
        ens &= lig(type, soegeord, "documents", alle.dokumenter, plantet.dokumenter);
        ens &= lig(type, soegeord, "hits as written", somSkrevet, plantet.somSkrevet);
        ens &= lig(type, soegeord, "whole-word hits", heleOrd, plantet.heleOrd);
    }
    if (ens)
        std::printf("%s: every count as planted\n", qPrintable(type));
    return ens;
}

QString citeret(QString tekst)
{
    return u'\'' + tekst.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

// Runs a command line by sh and gives what it wrote; grep's "nothing found" is no failure.
QByteArray skal(const QString& kommando)
{
    QProcess proces;
    proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    proces.start(QStringLiteral("sh"), {QStringLiteral("-c"), kommando});
    if (!proces.waitForFinished(-1) || proces.exitStatus() != QProcess::NormalExit || proces.exitCode() > 1)
        qFatal("failed: %s", qPrintable(kommando));
    return proces.readAllStandardOutput();
}

// A command whose output is read to its end: GNU grep writing straight to /dev/null stops at its
// first hit.
void skalTilEnden(const QString& kommando)
{
    skal(kommando + QStringLiteral(" | cat > /dev/null"));
}

void udskrivVaerktoej(const char* vaerktoej, const QString& soegeord, const Optaelling& fundet, const Taelling& plantet)
{
    std::printf("%-26s %s: %lld hits, %lld lines, %lld documents (planted: %lld, %lld, %lld)\n", vaerktoej,
                qPrintable(soegeord), static_cast<long long>(fundet.fund), static_cast<long long>(fundet.linjer),
                static_cast<long long>(fundet.dokumenter), static_cast<long long>(plantet.fund),
                static_cast<long long>(plantet.linjer), static_cast<long long>(plantet.dokumenter));
}

int tekstsoegning(const QString& rod)
{
    const Dokumentsaet saet = dokumentsaet(rod);
    bool ens = true;
    for (const QString& type : tekstTyper)
        ens &= kontroller(saet, type);
    if (!ens)
        return 1;

    const QString typer = QStringLiteral("'--include=*.txt' '--include=*.html' '--include=*.xml' ");
    const auto grep = [&](const QString& soegeord) {
        return QStringLiteral("grep -r -i -F -o -n -b ") + typer + citeret(soegeord) + u' ' + citeret(saet.mappe);
    };
    const auto rg = [&](const QString& soegeord) {
        return QStringLiteral("rg -j1 -i -F --vimgrep -g '*.txt' -g '*.html' -g '*.xml' ") + citeret(soegeord) + u' '
               + citeret(saet.mappe);
    };
    for (const QString& soegeord : soegeordene) {
        Taelling plantet;
        for (const QString& type : tekstTyper) {
            const Taelling& t = saet.manifest.at({type, soegeord});
            plantet.fund += t.fund;
            plantet.linjer += t.linjer;
            plantet.dokumenter += t.dokumenter;
        }
        udskrivVaerktoej("grep -r -i -F -o -n -b:", soegeord, optaelUdskrift(skal(grep(soegeord))), plantet);
        udskrivVaerktoej("rg -j1 -i -F --vimgrep:", soegeord, optaelUdskrift(skal(rg(soegeord))), plantet);
    }

    const double rgMs = medianMs([&] {
        for (const QString& soegeord : soegeordene)
            skalTilEnden(rg(soegeord));
    });
    std::printf("rg -j1 -i -F --vimgrep:    %9.1f ms (for information)\n", rgMs);
    const auto reference = [&] {
        for (const QString& soegeord : soegeordene)
            skalTilEnden(grep(soegeord));
    };
    const auto vores = [&] {
        for (const QString& soegeord : soegeordene)
            for (const QString& type : tekstTyper)
                soeg(saet.mappe, type, soegeord, {});
    };
    udskrivRunder("text-search", "grep -r -i -F -o:", runderMs([] {}, reference, vores, 9));
    return 0;
}

int rtfSoegning(const QString& rod)
{
    const Dokumentsaet saet = dokumentsaet(rod);
    const QString rtf = QStringLiteral("rtf");
    if (!kontroller(saet, rtf))
        return 1;

    // unrtf writes the document's bytes of text as they are, here Windows-1252, after a header of
    // "###" lines that names no font; iconv makes them UTF-8 for grep.
    const auto unrtf = [&](const QString& soegeord) {
        return QStringLiteral("for f in ") + citeret(saet.mappe)
               + QStringLiteral("/*.rtf; do unrtf --text \"$f\" | iconv -f CP1252 -t UTF-8 | grep -o -i -F ")
               + citeret(soegeord) + QStringLiteral("; done");
    };
    for (const QString& soegeord : soegeordene) {
        const Taelling& plantet = saet.manifest.at({rtf, soegeord});
        const qsizetype unrtfFund = skal(unrtf(soegeord)).count('\n');
        const QString kildeGrep =
            QStringLiteral("grep -r -o -i -F '--include=*.rtf' ") + citeret(soegeord) + u' ' + citeret(saet.mappe);
        const qsizetype kildeFund = optaelUdskrift(skal(kildeGrep)).fund;
        std::printf("unrtf | iconv | grep -o:   %s: %lld hits (planted: %lld)\n", qPrintable(soegeord),
                    static_cast<long long>(unrtfFund), static_cast<long long>(plantet.fund));
        // The source holds a word only where it is written without "\'hh" or a group inside it, and
        // also in the names of fonts.
        std::printf("grep -o in the RTF source: %s: %lld hits (in the source as written: %lld)\n",
                    qPrintable(soegeord), static_cast<long long>(kildeFund), static_cast<long long>(plantet.kildebytes));
    }

    const auto reference = [&] {
        for (const QString& soegeord : soegeordene)
            skalTilEnden(unrtf(soegeord));
    };
    const auto vores = [&] {
        for (const QString& soegeord : soegeordene)
            soeg(saet.mappe, rtf, soegeord, {});
    };
    udskrivRunder("text-search-rtf", "unrtf | iconv | grep:", runderMs([] {}, reference, vores, 5));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // grep folds å and Å only in a UTF-8 locale; the tools started inherit it.
    ::setenv("LC_ALL", "C.UTF-8", 1);
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: findtekst_bench text|rtf|stop DIR\n");
        return 2;
    }
    const QString art = QString::fromLocal8Bit(argv[1]);
    const QString rod = QString::fromLocal8Bit(argv[2]);
    if (art == u"text")
        return tekstsoegning(rod);
    if (art == u"rtf")
        return rtfSoegning(rod);
    if (art == u"stop")
        return maalStop(rod);
    std::fprintf(stderr, "unknown benchmark: %s\n", argv[1]);
    return 2;
}

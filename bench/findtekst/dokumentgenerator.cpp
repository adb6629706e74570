#include "bench/findtekst/dokumentgenerator.h"

#include <QDir>
#include <QFile>
#include <array>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr std::uint32_t froe = 20240917;
constexpr int version = 1;
constexpr qsizetype linjeloft = 110;  // every line is shorter, as read

// Numbers drawn from std::mt19937 by arithmetic of their own, as the distributions of the standard
// libraries differ.
class Random {
public:
    explicit Random(std::uint32_t seed) : engine(seed) {}

    // 0 to n - 1.
    std::uint32_t below(std::size_t n) { return std::uint32_t((std::uint64_t(engine()) * n) >> 32); }
    bool oneIn(std::uint32_t n) { return below(n) == 0; }

    template <class List>
    const auto& pick(const List& list)
    {
        return list[below(list.size())];
    }

private:
    std::mt19937 engine;
};

QStringList liste(const char* utf8, char skille = ' ')
{
    return QString::fromUtf8(utf8).split(QLatin1Char(skille));
}

// The background words: none holds a search word, and they stand apart by blanks.
const QStringList& ordforraad()
{
    static const QStringList ord = liste(
        "og i på til med en et det den er som af for ikke der har hus hav skov sø bro gade by land mælk brød smør øl "
        "æble pære jordbær hindbær blå bær te kop kage kafé tærte morgen aften søndag mandag både gå få så blød grøn "
        "rød hvid sort gul møde først længe være hjælp næste måske ære søster bror mor far barn børn skole arbejde "
        "køkken stue vindue dør tag væg gulv lampe bord stol seng bog avis brev papir tid dag nat uge måned år vinter "
        "sommer forår efterår sne regn sol vind skyer København Ålborg Øresund Ærø Fyn Jylland Søren Mette Åse");
    return ord;
}

// Punctuation put before and after words; the empty ones make bare words the most common.
const QStringList& tegnFoerOrd()
{
    static const QStringList tegn = liste("|||(|\"|»", '|');
    return tegn;
}

const QStringList& tegnEfterOrd()
{
    static const QStringList tegn = liste("||||.|,|!|?|)|:|;|\"|«", '|');
    return tegn;
}

// A form a search word is planted in: whether it holds the word as written (lower case), and
// whether it is the word alone. As only blanks, punctuation and markup stand next to a planted
// form, the word alone is a whole-word hit.
struct Form {
    QString ord;
    bool somSkrevet;
    bool heltOrd;
};

const std::array<std::vector<Form>, 2>& formerne()
{
    static const std::array<std::vector<Form>, 2> former = {{
        {{QStringLiteral("kaffe"), true, true},
         {QStringLiteral("Kaffe"), false, true},
         {QStringLiteral("KAFFE"), false, true},
         {QStringLiteral("morgenkaffe"), true, false},
         {QStringLiteral("kaffekop"), true, false}},
        {{QStringLiteral("blåbær"), true, true},
         {QStringLiteral("Blåbær"), false, true},
         {QStringLiteral("BLÅBÆR"), false, true},
         {QStringLiteral("blåbærtærte"), true, false}},
    }};
    return former;
}

enum class Type { Txt, Html, Xml, Rtf };

QString endelse(Type type)
{
    switch (type) {
    case Type::Txt:
        return QStringLiteral("txt");
    case Type::Html:
        return QStringLiteral("html");
    case Type::Xml:
        return QStringLiteral("xml");
    case Type::Rtf:
        break;
    }
    return QStringLiteral("rtf");
}

// Text in RTF: the characters outside ASCII (all of them in Windows-1252 here) as "\'hh".
QByteArray rtfKilde(QStringView tekst)
{
    QByteArray kilde;
    for (const QChar c : tekst) {
        if (c.unicode() < 0x80)
            kilde += char(c.unicode());
        else
            kilde += "\\'" + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
    }
    return kilde;
}

// A word in RTF split by a group around its first character outside ASCII: bl{\b \'e5}b\'e6r.
QByteArray rtfSplittet(const QString& ord)
{
    qsizetype i = 0;
    while (i < ord.size() && ord[i].unicode() < 0x80)
        ++i;
    if (i == ord.size())
        return rtfKilde(ord);
    return rtfKilde(QStringView(ord).first(i)) + "{\\b " + rtfKilde(QStringView(ord).sliced(i, 1)) + '}'
           + rtfKilde(QStringView(ord).sliced(i + 1));
}

// A piece of a line: what a reader of the document sees and, for RTF, what the file holds; a
// planted word knows its search word and form.
struct Stykke {
    QString tekst;
    QByteArray rtf;
    int soegeord = -1;
    const Form* form = nullptr;
};

// A piece set off by the markup of its type: a tag around it, or an RTF group of formatting.
void fremhaev(Type type, Stykke& stykke, Random& random)
{
    static const QStringList html = liste("b i em");
    static const QStringList xml = liste("fed navn");
    static const std::array<QByteArray, 3> rtf = {"{\\b ", "{\\i ", "{\\cf2 "};
    if (type == Type::Rtf) {
        stykke.rtf = random.pick(rtf) + stykke.rtf + '}';
    } else if (type != Type::Txt) {
        const QString& tag = random.pick(type == Type::Html ? html : xml);
        stykke.tekst = u'<' + tag + u'>' + stykke.tekst + QStringLiteral("</") + tag + u'>';
    }
}

Stykke baggrundsord(Type type, Random& random)
{
    Stykke stykke;
    stykke.tekst = random.pick(ordforraad());
    if (random.oneIn(10))
        stykke.tekst += random.pick(tegnEfterOrd());
    stykke.rtf = rtfKilde(stykke.tekst);
    if (random.oneIn(8))
        fremhaev(type, stykke, random);
    return stykke;
}

Stykke plantet(Type type, int soegeord, Random& random)
{
    Stykke stykke;
    stykke.soegeord = soegeord;
    stykke.form = &random.pick(formerne()[soegeord]);
    stykke.tekst = stykke.form->ord;
    stykke.rtf = random.oneIn(3) ? rtfSplittet(stykke.tekst) : rtfKilde(stykke.tekst);
    if (random.oneIn(4))
        fremhaev(type, stykke, random);
    const QString& foran = random.pick(tegnFoerOrd());
    const QString& efter = random.pick(tegnEfterOrd());
    stykke.tekst = foran + stykke.tekst + efter;
    stykke.rtf = rtfKilde(foran) + stykke.rtf + rtfKilde(efter);
    return stykke;
}

// The counts of one document for each search word.
using Dokumenttaelling = std::array<Taelling, 2>;

// Writes one document, counting what it plants.
class Dokumentskriver {
public:
    Dokumentskriver(Type type, int nummer, Random& random) : type(type), nummer(nummer), random(random) {}

    QByteArray skriv(Dokumenttaelling& taelling)
    {
        const qsizetype stoerrelse = 4000 + random.below(20000);
        // The chance in percent of a line to get each search word; a quarter of the documents get none.
        const std::uint32_t procent = random.oneIn(4) ? 0 : 1 + random.below(6);
        hoved(taelling[0]);
        while (indhold.size() < stoerrelse)
            broedtekstlinje(procent, taelling);
        fod();
        return indhold;
    }

private:
    void helLinje(const QString& tekst) { indhold += (QString::number(++linjenummer) + u' ' + tekst + u'\n').toUtf8(); }

    void hoved(Taelling& kaffe)
    {
        switch (type) {
        case Type::Txt:
            break;
        case Type::Html:
            helLinje(QStringLiteral("<!DOCTYPE html>"));
            helLinje(QStringLiteral("<html lang=\"da\">"));
            helLinje(QStringLiteral("<head><meta charset=\"utf-8\"><title>Dokument %1</title></head>").arg(nummer));
            helLinje(QStringLiteral("<body>"));
            break;
        case Type::Xml:
            helLinje(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
            helLinje(QStringLiteral("<dokument nummer=\"%1\">").arg(nummer));
            break;
        case Type::Rtf:
            indhold += "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                       "{\\f1\\fswiss\\fcharset0 Arial;}";
            if (random.oneIn(3)) {
                indhold += "{\\f2\\fswiss\\fcharset0 Kaffe Sans;}";
                ++kaffe.kildebytes;
            }
            indhold += "}\n{\\colortbl;\\red0\\green0\\blue0;\\red192\\green32\\blue32;}\n"
                       "\\viewkind4\\uc1\\pard\\plain\\f0\\fs24\n";
            break;
        }
    }

    void fod()
    {
        switch (type) {
        case Type::Txt:
            break;
        case Type::Html:
            helLinje(QStringLiteral("</body>"));
            helLinje(QStringLiteral("</html>"));
            break;
        case Type::Xml:
            helLinje(QStringLiteral("</dokument>"));
            break;
        case Type::Rtf:
            indhold += "}\n";
            break;
        }
    }

    // The markup around a body line.
    std::pair<QString, QString> ramme()
    {
        static const QStringList html = liste("p p p li h2");
        switch (type) {
        case Type::Html: {
            const QString& tag = random.pick(html);
            return {u'<' + tag + u'>', QStringLiteral("</") + tag + u'>'};
        }
        case Type::Xml:
            return {QStringLiteral("<afsnit>"), QStringLiteral("</afsnit>")};
        case Type::Txt:
        case Type::Rtf:
            break;
        }
        return {};
    }

    // A line of background words with the planted ones at random places, shortened to fit by
    // leaving out background words, then planted ones.
    void broedtekstlinje(std::uint32_t procent, Dokumenttaelling& taelling)
    {
        std::vector<Stykke> stykker;
        for (std::uint32_t i = 2 + random.below(15); i > 0; --i)
            stykker.push_back(baggrundsord(type, random));
        for (int soegeord = 0; soegeord < 2; ++soegeord) {
            if (random.below(100) >= procent)
                continue;
            for (int gang = random.oneIn(4) ? 2 : 1; gang > 0; --gang) {
                const std::uint32_t plads = random.below(stykker.size() + 1);
                stykker.insert(stykker.begin() + plads, plantet(type, soegeord, random));
            }
        }
        const auto [foran, efter] = ramme();
        const QString linjestart = QString::number(++linjenummer) + u' ';
        const auto laengde = [&] {
            qsizetype n = linjestart.size() + foran.size() + efter.size() + qsizetype(stykker.size()) - 1;
            for (const Stykke& stykke : stykker)
                n += stykke.tekst.size();
            return n;
        };
        while (laengde() >= linjeloft) {
            std::vector<std::size_t> baggrund;
            for (std::size_t i = 0; i < stykker.size(); ++i)
                if (stykker[i].soegeord < 0)
                    baggrund.push_back(i);
            stykker.erase(stykker.begin() + (baggrund.empty() ? stykker.size() - 1 : random.pick(baggrund)));
        }

        QString tekst = linjestart + foran;
        QByteArray rtf = linjestart.toLatin1();
        std::array<bool, 2> holder{};
        for (std::size_t i = 0; i < stykker.size(); ++i) {
            const Stykke& stykke = stykker[i];
            if (i > 0) {
                tekst += u' ';
                rtf += ' ';
            }
            tekst += stykke.tekst;
            rtf += stykke.rtf;
            if (stykke.soegeord < 0)
                continue;
            Taelling& t = taelling[stykke.soegeord];
            ++t.fund;
            t.somSkrevet += stykke.form->somSkrevet;
            t.heleOrd += stykke.form->heltOrd;
            // The source of plain text is its text; RTF source shows a word only where it is
            // written without "\'hh" or a group inside it.
            t.kildebytes += type == Type::Rtf ? stykke.rtf.toLower().count(soegeordene[stykke.soegeord].toUtf8()) : 1;
            holder[stykke.soegeord] = true;
        }
        tekst += efter;
        for (int soegeord = 0; soegeord < 2; ++soegeord)
            taelling[soegeord].linjer += holder[soegeord];
        indhold += type == Type::Rtf ? rtf + "\\par\n" : (tekst + u'\n').toUtf8();
    }

    Type type;
    int nummer;
    Random& random;
    QByteArray indhold;
    int linjenummer = 0;
};

// 700 .txt, 500 .html, 400 .xml and 400 .rtf, in an order of their own.
std::vector<Type> typerne(Random& random)
{
    std::vector<Type> typer;
    for (const auto& [type, antal] : {std::pair{Type::Txt, 700}, {Type::Html, 500}, {Type::Xml, 400}, {Type::Rtf, 400}})
        typer.insert(typer.end(), antal, type);
    for (std::size_t i = typer.size() - 1; i > 0; --i)
        std::swap(typer[i], typer[random.below(i + 1)]);
    return typer;
}

Manifest lavDokumenter(const QString& mappe)
{
    Random random(froe);
    Manifest manifest;
    qint64 bytes = 0;
    const std::vector<Type> typer = typerne(random);
    for (std::size_t nummer = 0; nummer < typer.size(); ++nummer) {
        const QString type = endelse(typer[nummer]);
        Dokumenttaelling taelling;
        const QByteArray indhold = Dokumentskriver(typer[nummer], int(nummer), random).skriv(taelling);
        const QString sti = mappe + QStringLiteral("/dokument%1.").arg(nummer, 4, 10, QLatin1Char('0')) + type;
        QFile fil(sti);
        if (!fil.open(QIODevice::WriteOnly) || fil.write(indhold) != indhold.size())
            qFatal("cannot write %s", qPrintable(sti));
        bytes += indhold.size();
        for (int soegeord = 0; soegeord < 2; ++soegeord) {
            Taelling& samlet = manifest[{type, soegeordene[soegeord]}];
            const Taelling& t = taelling[soegeord];
            samlet.fund += t.fund;
            samlet.somSkrevet += t.somSkrevet;
            samlet.heleOrd += t.heleOrd;
            samlet.linjer += t.linjer;
            samlet.dokumenter += t.fund > 0;
            samlet.kildebytes += t.kildebytes;
        }
    }
    std::printf("made %zu documents of %.1f MB in %s\n", typer.size(), bytes / 1e6, qPrintable(mappe));
    return manifest;
}

}  // namespace

Dokumentsaet dokumentsaet(const QString& rod)
{
    const QString mappe = rod + QStringLiteral("/dokumenter");
    const QString manifestSti = rod + QStringLiteral("/manifest");
    const QByteArray stempel = "froe " + QByteArray::number(froe) + " version " + QByteArray::number(version) + '\n';
    QFile stempelfil(rod + QStringLiteral("/stempel"));
    if (stempelfil.open(QIODevice::ReadOnly) && stempelfil.readAll() == stempel)
        return {mappe, laesManifest(manifestSti)};
    stempelfil.close();
    QDir(rod).removeRecursively();
    if (!QDir().mkpath(mappe))
        qFatal("cannot make %s", qPrintable(mappe));
    const Manifest manifest = lavDokumenter(mappe);
    skrivManifest(manifestSti, manifest);
    // Written last, so documents left half made by a stopped run are made again.
    if (!stempelfil.open(QIODevice::WriteOnly) || stempelfil.write(stempel) != stempel.size())
        qFatal("cannot write %s", qPrintable(stempelfil.fileName()));
    return {mappe, manifest};
}

#include "tools/kalender/helligdage.h"

#include "tools/kalender/kalendernavne.h"

QDate beregnPaaskeS(int aar)
{
    const int a = aar % 19;
    const int b = aar % 4;
    const int c = aar % 7;
    const int k = aar / 100;
    const int p = (8 * k + 13) / 25;
    const int q = k / 4;
    const int M = (15 - p + k - q) % 30;
    const int N = (4 + k - q) % 7;
    const int d = (19 * a + M) % 30;
    const int e = (2 * b + 4 * c + 6 * d + N) % 7;
    if (d == 29 && e == 6)
        return QDate(aar, 4, 19);
    if (d == 28 && e == 6 && a > 10)
        return QDate(aar, 4, 18);
    const int dag = 22 + d + e;
    return dag > 31 ? QDate(aar, 4, d + e - 9) : QDate(aar, 3, dag);
}

namespace {

// The year from which Store bededag is no longer a public holiday.
constexpr int bededagAfskaffet = 2024;

QString ugedag(const QDate& dato) { return makeDayX(dato.dayOfWeek()); }

// "24. Marts - Torsdag ": Skærtorsdag and Langfredag.
QString foerPaaske(const QDate& dato)
{
    const QString maaned = dato.month() == 3 ? QStringLiteral(". Marts - ") : QStringLiteral(". April - ");
    return QString::number(dato.day()) + maaned + ugedag(dato);
}

// "27.  Marts - Søndag ": the month's name brings its own leading blank.
QString fraPaaske(const QDate& dato)
{
    return QString::number(dato.day()) + QStringLiteral(". ") + makeMonthX(dato.month()) + QStringLiteral(" - ")
        + ugedag(dato);
}

const QString ukendt = QStringLiteral("?");

}  // namespace

QList<Helligdag> helligdage(int aar)
{
    const QDate paaske = beregnPaaskeS(aar);
    // A day counted from Easter Sunday, by the true lengths of the months.
    const auto paaskedag = [&paaske](const char* navn, const char* label, int dage, QString (*tekst)(const QDate&)) {
        const QDate dato = paaske.addDays(dage);
        return Helligdag{QString::fromUtf8(navn), label, ukendt, dato, tekst(dato)};
    };
    const auto fast = [](const char* navn, const char* label, const char* dagOgMaaned, const QDate& dato) {
        const QString start = QString::fromUtf8(dagOgMaaned);
        return Helligdag{QString::fromUtf8(navn), label, start, dato, start + QStringLiteral(" - ") + ugedag(dato)};
    };
    Helligdag bededag = paaskedag("Store bededag:", "hdLabel5", 26, fraPaaske);
    if (aar >= bededagAfskaffet)
        bededag.tekst += QStringLiteral("(afskaffet som helligdag fra 2024)");
    return {
        paaskedag("Skærtorsdag:", "hdLabel1", -3, foerPaaske),
        paaskedag("Langfredag:", "hdLabel2", -2, foerPaaske),
        paaskedag("Påskedag:", "hdLabel3", 0, fraPaaske),
        paaskedag("Anden påskedag:", "hdLabel4", 1, fraPaaske),
        bededag,
        paaskedag("Kristi himmelfartsdag: ", "hdLabel6", 39, fraPaaske),
        paaskedag("Pinsedag:", "hdLabel7", 49, fraPaaske),
        paaskedag("2. pinsedag:", "hdLabel8", 50, fraPaaske),
        fast("Juleaften:", "hdLabel9", "24. December", QDate(aar, 12, 24)),
        fast("1. Juledag:", "hdLabel10", "25. December", QDate(aar, 12, 25)),
        fast("2. juledag:", "hdLabel11", "26. December", QDate(aar, 12, 26)),
        fast("Nytårsdag:", "hdLabel0", "01. Januar", QDate(aar + 1, 1, 1)),
    };
}

#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The option files of every window: one value per line, by position. A table of line rules says
// for each line which field of a settings object it holds and how it is read and written.
template <class S>
struct OptionLinje {
    enum Kind { Tekst, Tal, Flag, EksaktFlag, Valg } kind;
    QString S::*tekst = nullptr;
    int S::*tal = nullptr;
    bool S::*flag = nullptr;
    int valg = 0;  // Valg: the number of choices; the line holds an index below it

    static OptionLinje tekstLinje(QString S::*felt) { return {Tekst, felt}; }
    static OptionLinje talLinje(int S::*felt) { return {Tal, nullptr, felt}; }
    static OptionLinje valgLinje(int S::*felt, int antal) { return {Valg, nullptr, felt, nullptr, antal}; }
    // Any number other than 0 means on.
    static OptionLinje flagLinje(bool S::*felt) { return {Flag, nullptr, nullptr, felt}; }
    // A page switch: exactly "1" means on, any other number off.
    static OptionLinje eksaktFlagLinje(bool S::*felt) { return {EksaktFlag, nullptr, nullptr, felt}; }

    // Applies one line; false when it does not hold what its place calls for.
    bool anvend(const QString& linje, S& s) const
    {
        if (kind == Tekst) {
            s.*tekst = linje;
            return true;
        }
        bool ok = false;
        const int vaerdi = linje.trimmed().toInt(&ok);
        if (!ok)
            return false;
        switch (kind) {
        case Tal: s.*tal = vaerdi; return true;
        case Flag: s.*flag = vaerdi != 0; return true;
        case EksaktFlag: s.*flag = vaerdi == 1; return true;
        case Valg:
            if (vaerdi < 0 || vaerdi >= valg)
                return false;
            s.*tal = vaerdi;
            return true;
        case Tekst: break;
        }
        return false;
    }

    QString skriv(const S& s) const
    {
        switch (kind) {
        case Tekst: return s.*tekst;
        case Tal:
        case Valg: return QString::number(s.*tal);
        case Flag:
        case EksaktFlag: return s.*flag ? QStringLiteral("1") : QStringLiteral("0");
        }
        return {};
    }
};

// Applies the lines in order; stops at the first line that does not hold what its place calls
// for and returns false, the lines before it staying applied. Too few lines also give false.
template <class S, std::size_t N>
bool anvendOptionLinjer(const std::array<OptionLinje<S>, N>& regler, const QStringList& linjer, S& s)
{
    for (std::size_t i = 0; i < N && qsizetype(i) < linjer.size(); ++i)
        if (!regler[i].anvend(linjer[qsizetype(i)], s))
            return false;
    return linjer.size() >= qsizetype(N);
}

template <class S, std::size_t N>
QStringList optionLinjer(const std::array<OptionLinje<S>, N>& regler, const S& s)
{
    QStringList linjer;
    for (const OptionLinje<S>& regel : regler)
        linjer.append(regel.skriv(s));
    return linjer;
}

// Lays the values a settings object is designed with (those of a new S) over the named fields of
// s; the other fields keep their state.
template <class S, class... T>
void gendanStandard(S& s, T S::*... felter)
{
    const S designet;
    ((s.*felter = designet.*felter), ...);
}

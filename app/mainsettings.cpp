#include "app/mainsettings.h"

#include <array>

namespace {

// How one line of the file is read and written.
struct LineRule {
    enum Kind { Text, Number, Flag, ExactFlag, Choice } kind;
    QString MainSettings::*text = nullptr;
    int MainSettings::*number = nullptr;
    bool MainSettings::*flag = nullptr;
    int choices = 0;  // Choice: the number of items; the line holds an index below it
};

LineRule text(QString MainSettings::*field) { return {LineRule::Text, field}; }
LineRule number(int MainSettings::*field) { return {LineRule::Number, nullptr, field}; }
LineRule choice(int MainSettings::*field, int choices) { return {LineRule::Choice, nullptr, field, nullptr, choices}; }
LineRule flag(bool MainSettings::*field) { return {LineRule::Flag, nullptr, nullptr, field}; }
// A page switch: exactly "1" turns it on, any other number off.
LineRule exactFlag(bool MainSettings::*field) { return {LineRule::ExactFlag, nullptr, nullptr, field}; }

using S = MainSettings;
const std::array<LineRule, mainSettingsLineCount> lineRules = {
    text(&S::designName),          number(&S::mainTop),          number(&S::mainLeft),
    number(&S::mainWidth),         number(&S::mainHeight),       number(&S::maxElementer),
    choice(&S::Fontbox, 3),        flag(&S::trayCheck),          flag(&S::mainPanelVisible),
    choice(&S::FontnavnBox, 6),    text(&S::exeProgram),         choice(&S::openInfo, 2),
    choice(&S::openGenveje, 2),    choice(&S::openProgrammer, 2), choice(&S::openStrukturer, 2),
    choice(&S::openTekstfiler, 2), choice(&S::openBilleder, 2),  choice(&S::openKalender, 2),
    number(&S::OnClickIndex),      text(&S::OnClickCaption),     choice(&S::FremFormCheck, 2),
    choice(&S::openWmi, 2),        choice(&S::HovedbogPage, 8),  choice(&S::ProgrambogPage, 5),
    text(&S::PlaceringsMappe),     choice(&S::visProgrammer, 2), choice(&S::funkBogPage, 3),
    number(&S::GBoxV),             number(&S::GBoxL),            number(&S::colIndex),
    flag(&S::CheckStrukturLinjer), flag(&S::TryedBefore),        flag(&S::Vistoppanel),
    choice(&S::bogfanerBox, 3),    choice(&S::genvejsBogPage, 4), flag(&S::sammeKlipbord),
    flag(&S::minimerCheck),        flag(&S::sikkerhedsCheck),    flag(&S::blokerCheck),
    exactFlag(&S::tabVisCheck1),   exactFlag(&S::tabVisCheck2),  exactFlag(&S::tabVisCheck3),
    exactFlag(&S::tabVisCheck4),   flag(&S::beskedCheck),        flag(&S::vhaFunkCheck),
};

bool applyLine(const LineRule& rule, const QString& line, MainSettings& settings)
{
    if (rule.kind == LineRule::Text) {
        settings.*rule.text = line;
        return true;
    }
    bool ok = false;
    const int value = line.trimmed().toInt(&ok);
    if (!ok)
        return false;
    switch (rule.kind) {
    case LineRule::Number: settings.*rule.number = value; return true;
    case LineRule::Flag: settings.*rule.flag = value != 0; return true;
    case LineRule::ExactFlag: settings.*rule.flag = value == 1; return true;
    case LineRule::Choice:
        if (value < 0 || value >= rule.choices)
            return false;
        settings.*rule.number = value;
        return true;
    case LineRule::Text: break;
    }
    return false;
}

QString lineOf(const LineRule& rule, const MainSettings& settings)
{
    switch (rule.kind) {
    case LineRule::Text: return settings.*rule.text;
    case LineRule::Number:
    case LineRule::Choice: return QString::number(settings.*rule.number);
    case LineRule::Flag:
    case LineRule::ExactFlag: return settings.*rule.flag ? QStringLiteral("1") : QStringLiteral("0");
    }
    return {};
}

}  // namespace

bool applyMainSettingsLines(const QStringList& lines, MainSettings& settings)
{
    const qsizetype count = qsizetype(lineRules.size());
    for (qsizetype i = 0; i < count && i < lines.size(); ++i)
        if (!applyLine(lineRules[size_t(i)], lines[i], settings))
            return false;
    return lines.size() >= count;
}

void applyDefaultOpt(MainSettings& settings)
{
    const MainSettings designed;
    settings.designName = designed.designName;
    settings.mainTop = designed.mainTop;
    settings.mainLeft = designed.mainLeft;
    settings.mainWidth = designed.mainWidth;
    settings.mainHeight = designed.mainHeight;
    settings.maxElementer = designed.maxElementer;
    settings.mainPanelVisible = designed.mainPanelVisible;
    settings.exeProgram = designed.exeProgram;
    settings.OnClickIndex = designed.OnClickIndex;
    settings.GBoxV = designed.GBoxV;
    settings.GBoxL = designed.GBoxL;
    settings.PlaceringsMappe = designed.PlaceringsMappe;
    settings.Vistoppanel = designed.Vistoppanel;
    settings.genvejsBogPage = designed.genvejsBogPage;
    settings.sammeKlipbord = designed.sammeKlipbord;
}

QStringList mainSettingsLines(const MainSettings& settings)
{
    QStringList lines;
    for (const LineRule& rule : lineRules)
        lines.append(lineOf(rule, settings));
    return lines;
}

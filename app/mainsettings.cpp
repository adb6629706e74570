#include "app/mainsettings.h"

#include "core/optionlinjer.h"

namespace {

using S = MainSettings;
using L = OptionLinje<MainSettings>;
const std::array<L, mainSettingsLineCount> lineRules = {
    L::tekstLinje(&S::designName),          L::talLinje(&S::mainTop),            L::talLinje(&S::mainLeft),
    L::talLinje(&S::mainWidth),             L::talLinje(&S::mainHeight),         L::talLinje(&S::maxElementer),
    L::valgLinje(&S::Fontbox, 3),           L::flagLinje(&S::trayCheck),         L::flagLinje(&S::mainPanelVisible),
    L::valgLinje(&S::FontnavnBox, 6),       L::tekstLinje(&S::exeProgram),       L::valgLinje(&S::openInfo, 2),
    L::valgLinje(&S::openGenveje, 2),       L::valgLinje(&S::openProgrammer, 2), L::valgLinje(&S::openStrukturer, 2),
    L::valgLinje(&S::openTekstfiler, 2),    L::valgLinje(&S::openBilleder, 2),   L::valgLinje(&S::openKalender, 2),
    L::talLinje(&S::OnClickIndex),          L::tekstLinje(&S::OnClickCaption),   L::valgLinje(&S::FremFormCheck, 2),
    L::valgLinje(&S::openWmi, 2),           L::valgLinje(&S::HovedbogPage, 8),   L::valgLinje(&S::ProgrambogPage, 5),
    L::tekstLinje(&S::PlaceringsMappe),     L::valgLinje(&S::visProgrammer, 2),  L::valgLinje(&S::funkBogPage, 3),
    L::talLinje(&S::GBoxV),                 L::talLinje(&S::GBoxL),              L::talLinje(&S::colIndex),
    L::flagLinje(&S::CheckStrukturLinjer),  L::flagLinje(&S::TryedBefore),       L::flagLinje(&S::Vistoppanel),
    L::valgLinje(&S::bogfanerBox, 3),       L::valgLinje(&S::genvejsBogPage, 4), L::flagLinje(&S::sammeKlipbord),
    L::flagLinje(&S::minimerCheck),         L::flagLinje(&S::sikkerhedsCheck),   L::flagLinje(&S::blokerCheck),
    L::eksaktFlagLinje(&S::tabVisCheck1),   L::eksaktFlagLinje(&S::tabVisCheck2), L::eksaktFlagLinje(&S::tabVisCheck3),
    L::eksaktFlagLinje(&S::tabVisCheck4),   L::flagLinje(&S::beskedCheck),       L::flagLinje(&S::vhaFunkCheck),
};

}  // namespace

bool applyMainSettingsLines(const QStringList& lines, MainSettings& settings)
{
    return anvendOptionLinjer(lineRules, lines, settings);
}

void applyDefaultOpt(MainSettings& settings)
{
    using S = MainSettings;
    gendanStandard(settings, &S::designName, &S::mainTop, &S::mainLeft, &S::mainWidth, &S::mainHeight, &S::maxElementer,
                   &S::mainPanelVisible, &S::exeProgram, &S::OnClickIndex, &S::GBoxV, &S::GBoxL, &S::PlaceringsMappe,
                   &S::Vistoppanel, &S::genvejsBogPage, &S::sammeKlipbord);
}

QStringList mainSettingsLines(const MainSettings& settings) { return optionLinjer(lineRules, settings); }

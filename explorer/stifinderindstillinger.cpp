#include "explorer/stifinderindstillinger.h"

#include "core/optionlinjer.h"
#include "platform/textfile.h"

#include <QFileInfo>

namespace {

using S = StifinderIndstillinger;
using L = OptionLinje<StifinderIndstillinger>;
const std::array<L, stifinderLinjeAntal> linjeRegler = {
    L::tekstLinje(&S::Mappenavn),           L::tekstLinje(&S::Filnavn),             L::talLinje(&S::mappeStrukturBredde),
    L::flagLinje(&S::privatCheckBox),       L::valgLinje(&S::RadioOpstart, 3),      L::flagLinje(&S::hiddenCheck),
    L::valgLinje(&S::mappeBox, 2),          L::valgLinje(&S::winBogSide, 6),        L::valgLinje(&S::favoritBogSide, 2),
    L::valgLinje(&S::spmBox, 3),            L::valgLinje(&S::resultBox, 4),         L::flagLinje(&S::DragDropCheck),
    L::flagLinje(&S::opdaterCheck),         L::flagLinje(&S::visKlipbordCheck),     L::flagLinje(&S::rydCheck),
    L::flagLinje(&S::LukCheck),             L::flagLinje(&S::visIndstillingerCheck), L::valgLinje(&S::fanePlaceringsBox, 3),
    L::flagLinje(&S::udfoldCheck),          L::valgLinje(&S::redskabsCheck, 3),     L::eksaktFlagLinje(&S::tabVisCheck1),
    L::eksaktFlagLinje(&S::tabVisCheck2),   L::eksaktFlagLinje(&S::tabVisCheck3),   L::eksaktFlagLinje(&S::tabVisCheck0),
};

}  // namespace

void defaultStifinderOpt(StifinderIndstillinger& s)
{
    gendanStandard(s, &S::Mappenavn, &S::Filnavn, &S::mappeStrukturBredde, &S::privatCheckBox, &S::RadioOpstart,
                   &S::hiddenCheck, &S::udfoldCheck);
}

bool hentStifinderOpt(const QString& fil, StifinderIndstillinger& s)
{
    const auto linjer = platform::readTextLines(fil);
    if (!linjer || linjer->size() != stifinderLinjeAntal || !anvendOptionLinjer(linjeRegler, *linjer, s)) {
        defaultStifinderOpt(s);
        return !QFileInfo::exists(fil);
    }
    if (!QFileInfo(s.Mappenavn).isDir())
        s.Mappenavn = QStringLiteral("/");
    if (!QFileInfo(s.Filnavn).isFile())
        s.Filnavn.clear();
    return true;
}

bool gemStifinderOpt(const QString& fil, const StifinderIndstillinger& s)
{
    return platform::writeTextLines(fil, optionLinjer(linjeRegler, s));
}

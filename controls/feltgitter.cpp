#include "controls/feltgitter.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int fraTil(int vaerdi, int laveste, int hoejeste) { return std::max(laveste, std::min(vaerdi, hoejeste)); }

}  // namespace

void FeltGitter::NyeFelterVL(int vandret, int lodret, const QRect& klient)
{
    AntalVandret = std::max(vandret, 1);
    AntalLodret = std::max(lodret, 1);
    StartNr = 0;
    ANr = -1;
    setAntalIalt(AntalIalt, klient);
}

void FeltGitter::setAntalIalt(int antal, const QRect& klient)
{
    AntalIalt = std::max(antal, 0);
    Antal = int(std::min<qint64>(AntalIalt, felterPrSide()));
    StartNr = fraTil(StartNr, 0, AntalIalt - Antal);
    SlutNr = StartNr + Antal - 1;
    if (ANr >= Antal)
        ANr = Antal - 1;
    BeregnFelter(klient);
}

void FeltGitter::BeregnFelter(const QRect& klient)
{
    const qint64 W = klient.width();
    const qint64 H = klient.height();
    const qint64 gapV = Ramme.AfstandVandret;
    const qint64 gapL = Ramme.AfstandLodret;
    if (AutoDim) {
        FeltBredde = int((W - (AntalVandret - 1) * gapV) / AntalVandret);
        FeltHojde = int((H - (AntalLodret - 1) * gapL) / AntalLodret);
    } else {
        AntalLodret = int(std::max<qint64>(1, (H - gapL) / std::max<qint64>(1, FeltHojde + gapL)));
        Antal = int(std::min<qint64>(AntalIalt, felterPrSide()));
        SlutNr = StartNr + Antal - 1;
    }
    const qint64 x0 = klient.left() + (W - (AntalVandret - 1) * gapV - qint64(FeltBredde) * AntalVandret) / 2;
    const qint64 y0 = klient.top() + (H - (AntalLodret - 1) * gapL - qint64(FeltHojde) * AntalLodret) / 2;
    const int ind = Ramme.Bredde + Ramme.Margen;
    QList<FeltRec> nye(std::max(Antal, 0));
    for (int i = 0; i < nye.size(); ++i) {
        const int kolonne = NumLodret ? i / AntalLodret : i % AntalVandret;
        const int raekke = NumLodret ? i % AntalLodret : i / AntalVandret;
        FeltRec& felt = nye[i];
        if (i < Felter.size()) {
            felt.Tilstand = Felter[i].Tilstand;
            felt.Hoejlys = Felter[i].Hoejlys;
            felt.Nede = Felter[i].Nede;
        }
        felt.Nr = i;
        felt.Ydre = QRect(int(x0 + kolonne * (FeltBredde + gapV)), int(y0 + raekke * (FeltHojde + gapL)), FeltBredde, FeltHojde);
        felt.Indre = QRect(QPoint(felt.Ydre.left() + ind, felt.Ydre.top() + ind),
                           QPoint(felt.Ydre.right() - ind + 1, felt.Ydre.bottom() - ind + 1));
    }
    Felter = nye;
}

void FeltGitter::InitAlleUp()
{
    for (FeltRec& felt : Felter) {
        felt.Tilstand = fsNormal;
        felt.Hoejlys = false;
        felt.Nede = false;
    }
}

void FeltGitter::NytStartNr(int NytNr, bool Opkald)
{
    if (iSkift || NytNr < 0 || Antal <= 0)
        return;
    ANr = std::max(ANr, 0);
    if (NytNr == StartNr)
        return;
    iSkift = true;
    StartNr = NytNr;
    SlutNr = StartNr + Antal - 1;
    if (OnRepaint)
        OnRepaint();
    if (Opkald && OnStartNr)
        OnStartNr(StartNr);
    if (OnMusOver)
        OnMusOver(StartNr + ANr);
    for (const FeltRec& felt : Felter)
        if (felt.Nede) {
            if (OnNewDown)
                OnNewDown(StartNr + felt.Nr);
            break;
        }
    iSkift = false;
}

void FeltGitter::RegulerStartNr(int maal)
{
    int index = std::max(StartNr + maal, 0);
    int ny = StartNr;
    if (index < StartNr) {
        ny = index;
    } else if (index > SlutNr) {
        index = std::min(index, AntalIalt - 1);
        ny = index - Antal + 1;
    }
    NytStartNr(ny, true);
}

void FeltGitter::fjernHoejlys()
{
    if (ANr < 0 || ANr >= Felter.size())
        return;
    Felter[ANr].Hoejlys = false;
    if (Felter[ANr].Tilstand != fsInaktiv)
        Felter[ANr].Tilstand = fsNormal;
}

void FeltGitter::SetFokus(int felt)
{
    if (felt < 0 || felt >= Felter.size() || Felter[felt].Tilstand == fsInaktiv)
        return;
    if (!Felter[felt].Hoejlys) {
        if (ANr != felt)
            fjernHoejlys();
        ANr = felt;
        Felter[felt].Hoejlys = true;
        Felter[felt].Tilstand = fsOver;
        if (OnMusOver)
            OnMusOver(StartNr + felt);
    }
    if (OnNewDown)
        OnNewDown(StartNr + felt);
}

bool FeltGitter::TastNed(int key)
{
    static const QList<int> taster = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Right,
                                      Qt::Key_Space,  Qt::Key_Left,  Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Home,
                                      Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown};
    if (!taster.contains(key))
        return false;
    if (Antal <= 0)
        return true;
    // The focus field never lies beyond the last item.
    if (StartNr + ANr > AntalIalt - 1)
        ANr = AntalIalt - 1 - StartNr;
    const int fokus = std::max(ANr, 0);
    const bool knapTast = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Insert || key == Qt::Key_Delete;
    if (knapTast) {
        if (OnKey)
            OnKey(key, StartNr + fokus);
        return true;
    }
    if (Antal == 1) {
        SetFokus(0);
        return true;
    }
    const int C = AntalVandret;
    const int P = int(std::min<qint64>(felterPrSide(), std::numeric_limits<int>::max()));
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        const int trin = key == Qt::Key_PageUp ? -Antal : Antal;
        NytStartNr(fraTil(StartNr + trin, 0, AntalIalt - Antal), true);
        Felter[ANr].Hoejlys = false;
        SetFokus(ANr);
        return true;
    }
    int maal = fokus;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Space:
        maal = fokus + 1;
        break;
    case Qt::Key_Left:
        maal = fokus - 1;
        break;
    case Qt::Key_Up:
        maal = fokus < C && fokus != 0 ? P - C + fokus - 1 : fokus - C;
        break;
    case Qt::Key_Down:
        maal = fokus >= P - C && fokus != P - 1 ? fokus % C + 1 : fokus + C;
        break;
    case Qt::Key_Home:
        maal = -StartNr;
        break;
    case Qt::Key_End:
        maal = AntalIalt - 1 - StartNr;
        break;
    }
    if (RulRundt) {
        SetFokus(((maal % Antal) + Antal) % Antal);
        return true;
    }
    fjernHoejlys();
    RegulerStartNr(maal);
    SetFokus(fraTil(maal, 0, Antal - 1));
    return true;
}

int FeltGitter::feltVed(const QPoint& punkt) const
{
    for (const FeltRec& felt : Felter)
        if (felt.Tilstand != fsInaktiv && felt.Indre.contains(punkt))
            return felt.Nr;
    return -1;
}

Placering BeregnR(QSize miniature, QSize billede, int IndreMargen, bool Centrer)
{
    const QSize fri(miniature.width() - 2 * IndreMargen, miniature.height() - 2 * IndreMargen);
    if (fri.width() <= 0 || fri.height() <= 0 || billede.isEmpty())
        return {QPoint(IndreMargen, IndreMargen), QSize()};
    const double fV = billede.width() > fri.width() ? double(fri.width()) / billede.width() : 1.0;
    const double fL = billede.height() > fri.height() ? double(fri.height()) / billede.height() : 1.0;
    const double faktor = std::min(fV, fL);
    const QSize tegnet(std::max(1, int(std::lround(billede.width() * faktor))), std::max(1, int(std::lround(billede.height() * faktor))));
    if (!Centrer)
        return {QPoint(IndreMargen, IndreMargen), tegnet};
    return {QPoint((fri.width() - tegnet.width()) / 2 + IndreMargen, (fri.height() - tegnet.height()) / 2 + IndreMargen), tegnet};
}

int RulskaktVaerdier::knapStoerrelse(int spor) const
{
    if (PosKnapDim)
        return PosKnapMin;
    int knap = spor;
    const qint64 omfang = qint64(PosMax) - PosMin + PosVisible;
    if (PosMax != PosMin && omfang > 0)
        knap = int(std::min<qint64>(spor, qint64(spor) * PosVisible / omfang));
    return std::max(knap, PosKnapMin);
}

double RulskaktVaerdier::pixelsPrTrin(int spor) const
{
    const int fri = spor - knapStoerrelse(spor);
    const qint64 omfang = qint64(PosMax) - PosMin;
    return omfang > 1 ? double(fri) / double(omfang) : double(fri);
}

int RulskaktVaerdier::begraens(int pos) const { return fraTil(pos, PosMin, std::max(PosMin, PosMax)); }

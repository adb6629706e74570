#include "controls/tfcompo.h"

#include "controls/tbitmapx.h"
#include "controls/trammex.h"

#include <QPainter>

TFCompo::TFCompo(QWidget* parent) : TPreFelter(parent) { felter.OnRepaint = [this] { update(); }; }

void TFCompo::setRammeFelt(TRammeFeltX* ramme)
{
    rammeFelt = ramme;
    felter.Ramme = ramme ? ramme->feltRamme() : FeltRamme{};
    BeregnFelter();
}

void TFCompo::BeregnFelter()
{
    felter.BeregnFelter(Klient());
    update();
}

void TFCompo::resizeEvent(QResizeEvent* event)
{
    TPreFelter::resizeEvent(event);
    BeregnFelter();
}

void TFCompo::tegnIndhold(QPainter& p, const QRect& omraade)
{
    for (const FeltRec& felt : felter.Felter) {
        if (!felt.Ydre.intersects(omraade))
            continue;
        if (rammeFelt)
            rammeFelt->MakeRamme(p, felt.Ydre, felt.Tilstand,
                                 felt.Hoejlys && (felt.Tilstand == fsAktiv || felt.Tilstand == fsOver));
        p.save();
        p.setClipRect(felt.Indre);
        tegnFelt(p, felt);
        p.restore();
    }
}

void TFCompo::tegnFelt(QPainter&, const FeltRec&) {}

void TBFCompo::tegnFelt(QPainter& p, const FeltRec& felt)
{
    if (BitmapFelt)
        BitmapFelt->Tegn(p, felter.StartNr + felt.Nr, felt.Indre.topLeft(), felt.Tilstand != fsInaktiv);
}

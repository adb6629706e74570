#pragma once

#include "controls/feltgitter.h"

#include <QColor>
#include <QRect>

class QPainter;

// The kinds of frame, in this order.
enum TRammeType { rtIngen, rtUd, rtInd, rtRifletUd, rtRifletInd };

// The frame painter of the drawn controls: rings of one pixel drawn from the outside in, flat in
// the ring colour, raised (light at the left and top, shadow at the right and bottom) or sunken,
// the kind and the ring colour chosen by a field's state.
class TRammeX {
public:
    TRammeX();
    virtual ~TRammeX() = default;

    TRammeType Art = rtIngen;
    TRammeType ArtUaktiv = rtIngen;
    TRammeType ReaktionNede = rtInd;
    TRammeType ReaktionOver = rtUd;
    int Bredde = 1;
    int BreddeDybde = 0;
    int BreddeRifler = 0;
    QColor FarveRamme = Qt::black;
    QColor FarveAktiv = Qt::black;
    QColor FarveOver = Qt::black;
    QColor FarveUaktiv = QColor(128, 128, 128);
    QColor FarveFelt;
    QColor FarveLys;
    QColor FarveSkygge;
    QColor FarveOmrids = Qt::black;
    int BreddeOmrids = 1;  // the outline's width in pixels
    bool MedFeltFarve = true;
    bool SomListe = false;
    bool MedOmrids = false;
    bool FocusRamme = true;

    // The frame of a field in a state (FeltTilstand; 4 counts as pressed), with one ring more and
    // the outline when focus is set and FocusRamme is on.
    void MakeRamme(QPainter& p, const QRect& rect, int state, bool focus);
    // The frame of the kind Art, its flat rings in the ring colour MakeRamme used last.
    void KunRamme(QPainter& p, const QRect& rect);

private:
    void tegn(QPainter& p, const QRect& rect, TRammeType art, int ringe, const QColor& farve, bool omrids);
    QColor sidsteFarve = Qt::black;
};

// A frame painter for the fields of a grid: it adds a margin inside the frame and gaps between
// the columns and the rows.
class TRammeFeltX : public TRammeX {
public:
    int Margen = 0;
    int AfstandVandret = 0;
    int AfstandLodret = 0;

    FeltRamme feltRamme() const { return {Bredde, Margen, AfstandVandret, AfstandLodret}; }
};

#include "controls/trammex.h"

#include <QPainter>
#include <QPalette>

namespace {

enum class Ring { Flad, Haevet, Saenket };

void ring(QPainter& p, const QRect& r, Ring art, const QColor& farve, const QColor& lys, const QColor& skygge)
{
    const QColor venstreTop = art == Ring::Flad ? farve : art == Ring::Haevet ? lys : skygge;
    const QColor hoejreBund = art == Ring::Flad ? farve : art == Ring::Haevet ? skygge : lys;
    p.setPen(venstreTop);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(hoejreBund);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// The rings of a kind from the outside in.
QList<Ring> ringe(TRammeType art, int n, int d, int rifler)
{
    QList<Ring> ud;
    const bool ind = art == rtInd || art == rtRifletInd;
    const Ring foerst = ind ? Ring::Saenket : Ring::Haevet;
    const Ring sidst = ind ? Ring::Haevet : Ring::Saenket;
    switch (art) {
    case rtIngen:
        ud.fill(Ring::Flad, n);
        break;
    case rtUd:
    case rtInd:
        for (int i = 1; i <= n; ++i)
            ud.append(d < 1 || i <= d ? foerst : i > n - d ? sidst : Ring::Flad);
        break;
    case rtRifletUd:
    case rtRifletInd: {
        const int dybde = std::max(d, 0);
        const int g = rifler < 1 || d < 1 ? n : std::max(rifler - 2 * d, 0);
        while (ud.size() < n) {
            ud.append(QList<Ring>(dybde, foerst));
            ud.append(QList<Ring>(g, Ring::Flad));
            ud.append(QList<Ring>(dybde, sidst));
        }
        break;
    }
    }
    return ud;
}

}  // namespace

TRammeX::TRammeX()
{
    const QPalette palet;
    FarveFelt = palet.color(QPalette::Button);
    FarveLys = palet.color(QPalette::Light);
    FarveSkygge = palet.color(QPalette::Dark);
}

void TRammeX::MakeRamme(QPainter& p, const QRect& rect, int state, bool focus)
{
    TRammeType art = ArtUaktiv;
    QColor farve = FarveUaktiv;
    if (state == fsNormal) {
        art = Art;
        farve = FarveRamme;
    } else if (state == fsAktiv || state == 4) {
        art = ReaktionNede;
        farve = FarveAktiv;
    } else if (state == fsOver) {
        art = ReaktionOver;
        farve = FarveOver;
    }
    const bool fokusRing = focus && FocusRamme;
    sidsteFarve = farve;
    tegn(p, rect, art, Bredde + (fokusRing ? 1 : 0), farve, MedOmrids || fokusRing);
}

void TRammeX::KunRamme(QPainter& p, const QRect& rect) { tegn(p, rect, Art, Bredde, sidsteFarve, MedOmrids); }

void TRammeX::tegn(QPainter& p, const QRect& rect, TRammeType art, int antal, const QColor& farve, bool omrids)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (SomListe)
        p.fillRect(rect, farve);
    else if (MedFeltFarve)
        p.fillRect(rect, FarveFelt);
    QRect r = rect;
    for (Ring en : ringe(art, antal, BreddeDybde, BreddeRifler)) {
        if (r.width() <= 0 || r.height() <= 0)
            break;
        ring(p, r, en, farve, FarveLys, FarveSkygge);
        r.adjust(1, 1, -1, -1);
    }
    if (omrids) {
        p.setPen(FarveOmrids);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < BreddeOmrids; ++i)
            p.drawRect(rect.adjusted(i, i, -i, -i));
    }
    p.restore();
}

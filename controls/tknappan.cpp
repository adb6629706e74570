#include "controls/tknappan.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

TKnapPan::TKnapPan(QWidget* parent) : TBFCompo(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    felter.OnStartNr = [this](int nr) { Q_EMIT OnStartNr(nr); };
    felter.OnNewDown = [this](int item) { Q_EMIT OnNewDown(item); };
    felter.OnMusOver = [this](int item) { Q_EMIT OnMusOver(item); };
    felter.OnKey = [this](int key, int item) { Q_EMIT OnKey(key, item); };
}

void TKnapPan::InitAlleUp()
{
    felter.InitAlleUp();
    update();
}

void TKnapPan::InitFocus(int Nr)
{
    felter.SetFokus(Nr);
    update();
}

void TKnapPan::NytStartNr(int NytNr, bool Opkald) { felter.NytStartNr(NytNr, Opkald); }

void TKnapPan::mousePressEvent(QMouseEvent* event)
{
    trykFelt = -1;
    if (NoMouse || felter.Antal <= 0)
        return;
    setFocus(Qt::MouseFocusReason);
    const int felt = felter.feltVed(event->position().toPoint());
    if (felt < 0)
        return;
    felter.fjernHoejlys();
    felter.ANr = felt;
    felter.Felter[felt].Hoejlys = true;
    felter.Felter[felt].Tilstand = fsAktiv;
    trykFelt = felt;
    update();
}

void TKnapPan::mouseReleaseEvent(QMouseEvent* event)
{
    if (trykFelt < 0 || trykFelt >= felter.Felter.size())
        return;
    const int felt = trykFelt;
    trykFelt = -1;
    const int sluppet = felter.feltVed(event->position().toPoint());
    const Qt::MouseButton knap = event->button();
    if (sluppet == felt) {
        felter.Felter[felt].Tilstand = fsOver;
        update();
        Q_EMIT OnMusOver(felter.StartNr + felt);
        Q_EMIT OnMusKlik(knap, felter.StartNr + felt);
        Q_EMIT OnMus(knap, felter.StartNr + felt);
        return;
    }
    felter.Felter[felt].Tilstand = fsNormal;
    update();
    if (sluppet >= 0)
        Q_EMIT OnMusOp(knap, felter.StartNr + felt, felter.StartNr + sluppet);
}

void TKnapPan::keyPressEvent(QKeyEvent* event)
{
    if (!FocusOver || !felter.TastNed(event->key())) {
        TBFCompo::keyPressEvent(event);
        return;
    }
    update();
}

void TKnapPan::wheelEvent(QWheelEvent* event)
{
    const int trin = event->angleDelta().y();
    if (trin == 0 || felter.Antal <= 0)
        return;
    // One row per notch.
    const int ny = felter.StartNr + (trin < 0 ? felter.AntalVandret : -felter.AntalVandret);
    felter.NytStartNr(std::clamp(ny, 0, std::max(0, felter.AntalIalt - felter.Antal)), true);
    event->accept();
}

void TKnapPan::focusInEvent(QFocusEvent* event)
{
    TBFCompo::focusInEvent(event);
    if (FocusOver && felter.ANr >= 0 && felter.ANr < felter.Felter.size()) {
        felter.Felter[felter.ANr].Tilstand = fsOver;
        felter.Felter[felter.ANr].Hoejlys = true;
    }
    update();
}

void TKnapPan::focusOutEvent(QFocusEvent* event)
{
    TBFCompo::focusOutEvent(event);
    felter.fjernHoejlys();
    update();
}

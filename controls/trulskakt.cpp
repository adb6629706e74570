#include "controls/trulskakt.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

TPreRulskakt::TPreRulskakt(QWidget* parent) : QWidget(parent)
{
    resize(17, 160);
    setFocusPolicy(Qt::StrongFocus);
    connect(&gentagelse, &QTimer::timeout, this, &TPreRulskakt::gentag);
}

void TPreRulskakt::setPosMax(int maks)
{
    v.PosMax = maks;
    if (v.Position > maks)
        MakeKnapPos(maks);
    update();
}

void TPreRulskakt::setPosKnapMin(int mindst)
{
    v.PosKnapMin = mindst;
    update();
}

void TPreRulskakt::NyePos(int PosVis, int PosMaximum, int NyPos)
{
    v.PosVisible = std::max(PosVis, 1);
    v.PosMax = PosMaximum;
    v.Position = v.begraens(NyPos);
    anvendt = v.Position;
    update();
}

void TPreRulskakt::NyPosition(int NyPos)
{
    if (NyPos < v.PosMin || NyPos > v.PosMax)
        return;
    v.Position = NyPos;
    anvendt = NyPos;
    update();
}

void TPreRulskakt::MakeKnapPos(int pos, bool tving)
{
    v.Position = v.begraens(pos);
    if (v.Position == anvendt && !tving)
        return;
    anvendt = v.Position;
    update();
    Q_EMIT OnPosition(v.Position);
}

int TPreRulskakt::sporLaengde() const { return std::max(0, laengde() - 2 * bredde()); }

QRect TPreRulskakt::langsRect(int fra, int til) const
{
    return Lodret ? QRect(0, fra, width(), til - fra) : QRect(fra, 0, til - fra, height());
}

QRect TPreRulskakt::knapRect() const
{
    const int spor = sporLaengde();
    const int knap = std::min(v.knapStoerrelse(spor), spor);
    const int fra = bredde() + int((v.Position - v.PosMin) * v.pixelsPrTrin(spor));
    return langsRect(std::min(fra, bredde() + spor - knap), std::min(fra, bredde() + spor - knap) + knap);
}

TPreRulskakt::Del TPreRulskakt::delVed(const QPoint& p) const
{
    const int l = langs(p);
    if (l < bredde())
        return Ned;
    if (l >= laengde() - bredde())
        return Op;
    return knapRect().contains(p) ? Knap : Spor;
}

void TPreRulskakt::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Mid));
    QStyleOption opt;
    opt.initFrom(this);
    const auto knap = [&](const QRect& r, QStyle::PrimitiveElement pil) {
        opt.rect = r;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &opt, &p, this);
        if (pil != QStyle::PE_CustomBase)
            style()->drawPrimitive(pil, &opt, &p, this);
    };
    knap(langsRect(0, bredde()), Lodret ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowLeft);
    knap(langsRect(laengde() - bredde(), laengde()), Lodret ? QStyle::PE_IndicatorArrowDown : QStyle::PE_IndicatorArrowRight);
    const QRect k = knapRect();
    knap(k, QStyle::PE_CustomBase);
    if (VisMaerke) {
        p.setPen(FarveMaerke);
        const QPoint m = k.center();
        if (Lodret)
            p.drawLine(k.left() + MaerkeMargen, m.y(), k.right() - MaerkeMargen, m.y());
        else
            p.drawLine(m.x(), k.top() + MaerkeMargen, m.x(), k.bottom() - MaerkeMargen);
    }
}

void TPreRulskakt::mousePressEvent(QMouseEvent* event)
{
    trykket = delVed(event->position().toPoint());
    if (trykket == Spor)
        return;
    Q_EMIT OnMusNede(trykket);
    if (trykket == Knap) {
        trykPunkt = langs(event->position().toPoint());
        trykPosition = v.Position;
        return;
    }
    gentag();
    gentagelse.start(TimerDelay);
}

void TPreRulskakt::gentag()
{
    // The step repeats while the button stays pressed and the pointer is on it.
    if (delVed(mapFromGlobal(QCursor::pos())) != trykket && gentagelse.isActive())
        return;
    MakeKnapPos(v.Position + (trykket == Ned ? -v.Step : v.Step));
    if (gentagelse.isActive())
        gentagelse.setInterval(TimerInterval);
}

void TPreRulskakt::mouseMoveEvent(QMouseEvent* event)
{
    if (trykket != Knap)
        return;
    const double trin = v.pixelsPrTrin(sporLaengde());
    if (trin <= 0)
        return;
    MakeKnapPos(trykPosition + int((langs(event->position().toPoint()) - trykPunkt) / trin));
}

void TPreRulskakt::mouseReleaseEvent(QMouseEvent* event)
{
    gentagelse.stop();
    if (trykket != Spor)
        Q_EMIT OnMusOp(delVed(event->position().toPoint()));
    trykket = Spor;
}

void TPreRulskakt::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_End: MakeKnapPos(v.PosMax); break;
    case Qt::Key_Home: MakeKnapPos(v.PosMin); break;
    case Qt::Key_Left: MakeKnapPos(v.Position - 1); break;
    case Qt::Key_Right: MakeKnapPos(v.Position + 1); break;
    case Qt::Key_Up: MakeKnapPos(v.Position + (Lodret ? -1 : 1)); break;
    case Qt::Key_Down: MakeKnapPos(v.Position + (Lodret ? 1 : -1)); break;
    default: QWidget::keyPressEvent(event);
    }
}

#pragma once

#include "controls/feltgitter.h"

#include <QTimer>
#include <QWidget>

// The drawn scroll shaft: two end buttons and a knob between them. Every change of the position
// goes through one place, which clamps it and, when it differs from the last one applied, repaints
// and raises OnPosition.
class TPreRulskakt : public QWidget {
    Q_OBJECT
public:
    explicit TPreRulskakt(QWidget* parent = nullptr);

    // The parts of the shaft that the mouse events report.
    enum Del { Ned = 0, Op = 1, Knap = 2, Spor = 3 };

    bool Lodret = true;
    int TimerDelay = 400;
    int TimerInterval = 100;
    bool VisMaerke = false;
    QColor FarveMaerke = Qt::black;
    int MaerkeMargen = 3;

    const RulskaktVaerdier& vaerdier() const { return v; }
    int PosMax() const { return v.PosMax; }
    int PosVisible() const { return v.PosVisible; }
    int Position() const { return v.Position; }
    void setPosMax(int maks);
    void setStep(int trin) { v.Step = trin; }
    void setPosKnapMin(int mindst);
    // Sets the visible part, the maximum and the position at once and repaints, without an event.
    void NyePos(int PosVis, int PosMaximum, int NyPos);
    // Moves the knob without an event when the value lies within PosMin..PosMax.
    void NyPosition(int NyPos);
    void MakeKnapPos(int pos, bool tving = false);

    // The track between the end buttons and the knob on it, along the shaft.
    int sporLaengde() const;
    QRect knapRect() const;

Q_SIGNALS:
    void OnPosition(int position);
    void OnMusNede(int del);
    void OnMusOp(int del);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int bredde() const { return Lodret ? width() : height(); }
    int laengde() const { return Lodret ? height() : width(); }
    int langs(const QPoint& p) const { return Lodret ? p.y() : p.x(); }
    QRect langsRect(int fra, int til) const;
    Del delVed(const QPoint& p) const;
    void gentag();

    RulskaktVaerdier v;
    int anvendt = 0;
    Del trykket = Spor;
    int trykPunkt = 0;
    int trykPosition = 0;
    QTimer gentagelse;
};

// The shaft as the gallery uses it.
class TRulskakt : public TPreRulskakt {
    Q_OBJECT
public:
    using TPreRulskakt::TPreRulskakt;
};

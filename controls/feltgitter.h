#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <functional>

// The state of one field of a grid.
enum FeltTilstand { fsInaktiv = 0, fsNormal = 1, fsAktiv = 2, fsOver = 3 };

// One field in use, numbered from 0 on the page.
struct FeltRec {
    int Nr = 0;
    QRect Ydre;   // the outer rectangle, where the frame is drawn
    QRect Indre;  // inside the frame's width and margin: where the picture goes
    int Tilstand = fsNormal;
    bool Hoejlys = false;  // the focus mark is on it
    bool Nede = false;     // kept pressed (fields as tool buttons)
};

// What a frame adds around each field: its width, the margin inside it and the gaps between
// columns and rows. A grid without a frame has them all 0.
struct FeltRamme {
    int Bredde = 0;
    int Margen = 0;
    int AfstandVandret = 0;
    int AfstandLodret = 0;
};

// The grid of the drawn panels without any widget: its counts, field sizes and layout, the start
// number that pages it, the focus mark and the keyboard's movement of it. The events carry item
// indexes (StartNr + field); the panels forward them.
class FeltGitter {
public:
    int AntalVandret = 1;
    int AntalLodret = 1;
    int AntalIalt = 1;
    int Antal = 1;
    int StartNr = 0;
    int SlutNr = 0;
    int FeltBredde = 0;
    int FeltHojde = 0;
    bool AutoDim = true;
    bool NumLodret = false;
    FeltRamme Ramme;
    QList<FeltRec> Felter;

    // The field with the focus mark, -1 for none.
    int ANr = -1;
    bool RulRundt = false;

    std::function<void(int)> OnStartNr;
    std::function<void(int)> OnNewDown;
    std::function<void(int)> OnMusOver;
    std::function<void(int key, int item)> OnKey;
    // Asked to repaint every field after paging.
    std::function<void()> OnRepaint;

    // Fields per full page, in 64 bits so that large counts do not wrap.
    qint64 felterPrSide() const { return qint64(AntalVandret) * AntalLodret; }
    // Columns and rows (0 or less becomes 1), start 0 and no focus mark; the layout follows.
    void NyeFelterVL(int vandret, int lodret, const QRect& klient);
    // A new total of items: Antal, SlutNr and the fields follow; the start stays within reach.
    void setAntalIalt(int antal, const QRect& klient);
    // Lays the fields out over the client rectangle.
    void BeregnFelter(const QRect& klient);
    // Every field in use normal, not highlighted, not down.
    void InitAlleUp();

    void NytStartNr(int NytNr, bool Opkald);
    void RegulerStartNr(int maal);
    void SetFokus(int felt);
    // Removes the highlight of the focus field (it turns normal), keeping it as the focus field.
    void fjernHoejlys();
    // A key pressed in the panel (Qt::Key values); true when the key was one of the panel's.
    bool TastNed(int key);
    // The usable field whose inner rectangle holds the point, -1 for none.
    int feltVed(const QPoint& punkt) const;

private:
    bool iSkift = false;
};

// Fitting a picture into a thumbnail: only made smaller, never larger, proportions kept.
struct Placering {
    QPoint pos;
    QSize stoerrelse;
};
Placering BeregnR(QSize miniature, QSize billede, int IndreMargen, bool Centrer);

// The scroll shaft's values and the size of its knob, without the widget.
struct RulskaktVaerdier {
    int PosMin = 0;
    int PosMax = 10;
    int PosVisible = 11;
    int Position = 0;
    int PosKnapMin = 4;
    bool PosKnapDim = false;
    int Step = 1;

    int knapStoerrelse(int spor) const;
    // Pixels the knob moves per position step.
    double pixelsPrTrin(int spor) const;
    int begraens(int pos) const;
};

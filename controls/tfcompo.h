#pragma once

#include "controls/feltgitter.h"
#include "controls/tprefelter.h"

class TRammeFeltX;
class TBitmapX;

// The grid: its counts, field size, start number and field records over the client rectangle,
// each field framed by the frame component in the look of its state.
class TFCompo : public TPreFelter {
    Q_OBJECT
public:
    explicit TFCompo(QWidget* parent = nullptr);

    FeltGitter& gitter() { return felter; }
    const FeltGitter& gitter() const { return felter; }
    int AntalVandret() const { return felter.AntalVandret; }
    int AntalLodret() const { return felter.AntalLodret; }
    int AntalIalt() const { return felter.AntalIalt; }
    int Antal() const { return felter.Antal; }
    int StartNr() const { return felter.StartNr; }
    int SlutNr() const { return felter.SlutNr; }
    int FeltBredde() const { return felter.FeltBredde; }
    int FeltHojde() const { return felter.FeltHojde; }

    // The frame component of the fields; none draws no frame and leaves no gaps.
    void setRammeFelt(TRammeFeltX* ramme);
    TRammeFeltX* RammeFelt() const { return rammeFelt; }
    void BeregnFelter();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void tegnIndhold(QPainter& p, const QRect& omraade) override;
    // Draws what a field shows inside its frame.
    virtual void tegnFelt(QPainter& p, const FeltRec& felt);
    FeltGitter felter;

private:
    TRammeFeltX* rammeFelt = nullptr;
};

// One picture per field from a picture list.
class TBFCompo : public TFCompo {
    Q_OBJECT
public:
    using TFCompo::TFCompo;
    TBitmapX* BitmapFelt = nullptr;

protected:
    void tegnFelt(QPainter& p, const FeltRec& felt) override;
};

#pragma once

#include <QWidget>

class TRammeX;

// A self-drawn control with an outer and an inner frame (each optional, shared by reference) and
// its client rectangle inside them.
class TPreFelter : public QWidget {
    Q_OBJECT
public:
    explicit TPreFelter(QWidget* parent = nullptr);

    TRammeX* RammeYdre = nullptr;
    TRammeX* RammeIndre = nullptr;
    // The background inside the frames.
    QColor Baggrund;

    QRect Klient() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws what lies inside the frames.
    virtual void tegnIndhold(QPainter& p, const QRect& omraade);
};

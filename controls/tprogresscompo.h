#pragma once

#include <QWidget>

// The drawn progress bar: it repaints only when the position crosses a whole step, then raises
// OnProgress, after which its owner may set a text drawn over the bar.
class TProgressCompo : public QWidget {
    Q_OBJECT
public:
    explicit TProgressCompo(QWidget* parent = nullptr);

    int Min = 0;
    int Max = 100;
    int Trin = 5;
    QColor ColorStep = Qt::blue;
    QColor Color;

    int Position() const { return position; }
    void setPosition(int pos);
    QString Tekst() const { return tekst; }
    void setTekst(const QString& t);

Q_SIGNALS:
    void OnProgress(int position);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int trin(int pos) const { return Trin > 0 ? (pos - Min) / Trin : pos - Min; }
    int position = 0;
    QString tekst;
};

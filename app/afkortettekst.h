#pragma once

#include <QLabel>

// A line of text shown whole when it fits, else shortened with "…" (at the end, or in the
// middle so that a file name's start and extension stay); a shortened text carries the whole
// text as its hint. Its width is what its layout gives it, never what its text asks for, so a
// longer text moves nothing.
class Afkortettekst : public QLabel {
public:
    Afkortettekst(const char* navn, Qt::TextElideMode maade, QWidget* parent);

    void setHeleTekst(const QString& tekst);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void afkort();

    QString hele;
    const Qt::TextElideMode maade;
};

#pragma once

#include <QGroupBox>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class Tmainform;

// The side panel "Find datoer": a year chosen with the year buttons, and the Danish holidays of
// that year, found by "Find datoer".
class Helligdagspanel : public QGroupBox {
    Q_OBJECT
public:
    Helligdagspanel(Tmainform& main, QWidget* parent);

    // The year shown, kept within 1..9999; "Nu" is enabled while it is not the current year.
    int aar() const { return visAar; }
    void saetAar(int aar);
    void DatoerFindKnapClick();
    // The label that names the year of the holidays shown is emptied.
    void rydDatoerLabel();

private:
    int visAar = 0;
    QLabel* datoerLabel;
    QLineEdit* aarEdit;
    QPushButton* yearNuButton = nullptr;
    QList<QLabel*> hdLabels;
};

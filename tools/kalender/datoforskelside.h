#pragma once

#include <QWidget>

class Datogruppe;
class QLineEdit;
class Tmainform;

// The page "Datoforskelle": two date groups and the difference between the dates their fields
// show, in years, months and days and in days in all; the result is also written to
// "datediff.txt" in the options folder.
class Datoforskelside : public QWidget {
    Q_OBJECT
public:
    Datoforskelside(Tmainform& main, QWidget* parent);

    Datogruppe* gruppe1() const { return dato1; }
    Datogruppe* gruppe2() const { return dato2; }
    void beregnKnapClick();

private:
    Tmainform& main;
    Datogruppe* dato1;
    Datogruppe* dato2;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
};

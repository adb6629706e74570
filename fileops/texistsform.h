#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

// The question when a pasted name already exists: what to do with this one and the rest.
// The choice stays from one showing to the next.
class TExistsForm : public QDialog {
    Q_OBJECT
public:
    enum Metode { OverskrivIngen = 0, OverskrivAlle = 1, OpretKopier = 2, SpoergHverGang = 3 };

    explicit TExistsForm(QWidget* mainWindow);

    // Shows the folder and file in question; the chosen method, and in overskriv whether this
    // element is to be overwritten.
    int spoerg(const QString& mappe, const QString& fil, bool& overskriv);

private:
    QLineEdit* dirEdit;
    QLineEdit* filEdit;
    QButtonGroup* resultBox;
    QCheckBox* checkOverskriv;
};

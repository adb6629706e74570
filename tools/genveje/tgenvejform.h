#pragma once

#include "app/elementvinduer.h"

#include <QWidget>

class Handlingsregler;
class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class Tmainform;

// The window "Genveje": makes a shortcut (a link "<name>.lnk") to the folder or file chosen in an
// explorer, in a folder of the user's choice, and lists and runs the shortcuts of the fixed
// placement folder.
class Tgenvejform : public QWidget, public GenvejsVindue {
    Q_OBJECT
public:
    Tgenvejform(Tmainform& main, bool internt);

    void forbered(const QString& maal, const QString& placering, const QString& navn) override;
    void makeGenvej();
    void loadGenveje(const QString& mappe);
    void runGenvej();
    void gemFastPlacering();

    const bool showInternt;
    const QString optFilnavn;
    // Where a window of its own stands when its option file does not say.
    static inline const QList<int> placering = {20, 40};

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* byggeVenstre();
    QWidget* byggeHoejre();
    QLineEdit* felt(const char* navn, const QString& hint);
    void udfoerNaarAktiv(const char* navn);

    Tmainform& main;
    Handlingsregler* regler;
    bool opstart = true;
    QLineEdit* EditTarget = nullptr;
    QLineEdit* EditDest = nullptr;
    QLineEdit* EditName = nullptr;
    QLineEdit* EditDestFast = nullptr;
    QWidget* panelFunk = nullptr;
    QListWidget* genvejsListe = nullptr;
    QCheckBox* autoLoadCheck = nullptr;
};

void registrerGenveje(Tmainform& main);

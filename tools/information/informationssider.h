#pragma once

#include "app/elementvinduer.h"

#include <QObject>

class Handlingsregler;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class TStruktur;
class Tinfoform;
class Tmainform;
class Turlform1;

// The help pages: the information tree and its search on the main window's information page,
// the window "Information" that shows the pages, and the history window "Informationssider".
class Informationssider : public QObject, public Hjaelpesider {
    Q_OBJECT
public:
    explicit Informationssider(Tmainform& main);

    // A page file (a name with ".html") in the information window, with the first node whose text
    // is the name without extension (case ignored) selected, unfolded and its own page opened.
    void InfoHelp(const QString& S) override;
    void visHtmlFil(const QString& sti) override;
    void LoadStruktur() override;
    // The selected node's page; a page with a text for the status line.
    void StrukturClick();
    void InfoStruk(const QString& side, const QString& tekst);
    void FindInfoTekst(const QString& tekst);
    TStruktur* informationsStruktur() const { return Struktur; }

private:
    void byggeInfoside(QTabWidget* infoBogen);
    void byggeSoegning(QTabWidget* infoBogen);
    // The information window, made and shown when needed.
    Tinfoform* visInfoform();

    Tmainform& main;
    Handlingsregler* regler;
    Turlform1* urlform;
    TStruktur* Struktur = nullptr;
    QLabel* antalLabel = nullptr;
    QLineEdit* EditFind = nullptr;
    QListWidget* findis = nullptr;
};

// Registers the information pages with the main window: its information page, F1 and every help
// button open them from now on.
Informationssider& registrerInformation(Tmainform& main);

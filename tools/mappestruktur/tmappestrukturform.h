#pragma once

#include "app/elementvinduer.h"

#include <QWidget>

class Handlingsregler;
class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class Tmainform;

// The window "Mappestruktur": the stored home-made structures, the folders of one, either shown
// as an outline in an explorer window, and the page where a structure is put together, ordered,
// saved and deleted. The edited state is the main window's MsRedigeret, which "Tilføj" sets too.
class Tmappestrukturform : public QWidget, public StrukturVindue, public MaaLukke {
    Q_OBJECT
public:
    Tmappestrukturform(Tmainform& main, bool internt);

    void tilfoejMappe(const QString& mappe) override;
    void visStrukturer(const QStringList& navne) override;
    bool maaLukke() override;

    void strukturListeClick();
    void visStruktur(bool punktstruktur);
    void aGemExecute();
    void aRedigerMappestrukturExecute();
    void aDoBeforeExecute();
    void aDeleteExecute();
    void indfoerMappe();
    void flyt(int retning);
    void panelButtonClick();

    const bool showInternt;
    const QString optFilnavn;
    // Where a window of its own stands when its option file does not say.
    static inline const QList<int> placering = {20, 40, 580, 860};

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* byggeVenstre();
    QWidget* byggeHoejre();
    QListWidget* liste(const char* navn, const QString& hint, const QColor& farve);
    void tilfoejLinje(const QString& mappe);
    void redigeret();
    QString valgtStruktur() const;
    QStringList linjer(const QListWidget* liste) const;

    Tmainform& main;
    Handlingsregler* regler;
    bool opstart = true;
    QWidget* progSidePanel = nullptr;
    QListWidget* strukturListe = nullptr;
    QListWidget* strukturMappeListe = nullptr;
    QListWidget* strukturListeMapper = nullptr;
    QLineEdit* EditGem = nullptr;
    QTabWidget* Bog = nullptr;
    QPushButton* panelButton = nullptr;
};

void registrerMappestruktur(Tmainform& main);

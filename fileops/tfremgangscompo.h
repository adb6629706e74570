#pragma once

#include "fileops/motor/filoperation.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>

class QProgressBar;
class QWidget;
class Tdeleteform;
class TFremgangsform;

// What the paste and delete components share: the delete window, the messages, and showing an
// engine's progress without slowing its work: bars and labels are drawn from the engine's numbers
// ten times a second, and pending events are processed every few milliseconds.
class TFremgangsCompo : public QObject, public Filspoergsmaal, public Filfremgang {
    Q_OBJECT
public:
    TFremgangsCompo(QWidget* mainWindow, QObject* owner);
    ~TFremgangsCompo() override;

    Tdeleteform* DeleteBox() const;
    bool CloseBoxAfter = true;

    // Messages, and the question with "Gør det samme med alle", through beskeder().
    void sig(const QString& tekst) override;
    Beskeder::Svar spoergOmAlle(const QString& tekst) override;

    // The delete window follows a deletion.
    void optaellingBegynder(Fase fase, const QStringList& mapper, const QString& tekst) override;
    void mapperOptalt(qint64) override {}
    void optaellingSlut(Fase fase) override;
    void faseBegynder(Fase fase) override;
    void faseSlut(Fase fase) override;
    void filProcent(int) override {}
    void samletProcent(Fase fase, int procent) override;
    void mappeFaerdig(Fase fase, int index) override;
    void ikkeOverskrevne(int) override {}
    void mellemrum() override;

protected:
    // The engine whose numbers are shown.
    virtual const Filoperation& operation() const = 0;
    void setBeskeder(Beskeder* beskeder) { FBeskeder = beskeder; }
    Beskeder& beskeder() { return *FBeskeder; }
    // The window of a phase, and its bar of the whole phase.
    virtual TFremgangsform* vindue(Fase fase) const;
    virtual QProgressBar* samletBjaelke(Fase fase) const;

    // What changed is shown at the next turn of mellemrum, or by visFremgang: a progress bar
    // repaints at once on every change, far too slow for one change per small file.
    void saetBjaelke(QProgressBar* bar, int procent);
    void visFremgang();

private:
    QPointer<Tdeleteform> FDeleteBox;
    Beskeder* FBeskeder = nullptr;
    QString sletTekst;
    QElapsedTimer sidstBehandlet;
    QElapsedTimer sidstVist;
    QHash<QProgressBar*, int> udsatteBjaelker;
    TFremgangsform* udsatVindue = nullptr;
    int udsatProcent = 0;
};

#pragma once

#include "fileops/motor/kopimotor.h"
#include "fileops/tfremgangscompo.h"

#include <QStringList>
#include <functional>
#include <memory>

class BoksBeskeder;
class TExistsForm;
class Tinfform;
class Tkopieringsform;
class Tprogressform;
class Tspform;

// What a paste needs besides its operations: the options, the lists, the dialogs that answer the
// copy engine's questions, and the windows that show its progress.
class TPasteCompo : public TFremgangsCompo {
    Q_OBJECT
public:
    using enum Filoperation::Spoergsmaal;
    using enum Kopimotor::Metode;

    // The dialogs are centred on mainWindow; optMappe holds the confirmation dialog's size file.
    TPasteCompo(const QString& optMappe, QWidget* mainWindow, QObject* owner = nullptr);
    ~TPasteCompo() override;

    QString ConstDest;
    std::function<void(bool)> onPasteElements;
    std::function<void()> onLoadLister;
    QStringList PasteMapper;
    QStringList PasteFiler;
    int IntSpm = SpoergAltid;
    int IntPasteMetode = OverskrivIkke;
    // The progress window's caption: caption + " kopierer valgte elementer".
    void setBoxCaption(const QString& caption);

    Tkopieringsform* SpmCopyBox() const;
    Tprogressform* ProgressBox() const;
    TExistsForm* SpmHandling() const;
    Tspform* SpmBox() const;

    // The file that records a copy while it runs (see Kopimotor::journal).
    void setJournal(const QString& fil) { motor.journal = fil; }
    // Stops the operation at its next step.
    void stop() { motor.stop(); }
    // Elements left as they were by the method.
    int ikkePastede() const { return motor.ikkePastede; }
    // Whether the last operation ran (was not declined), and whether all of it arrived.
    bool paabegyndt() const { return motor.paabegyndt; }
    bool fuldfoert() const { return motor.fuldfoert(); }

    // The engine's questions, answered by the dialogs.
    bool bekraeftKopi(const QString& dest, bool flyt, const QStringList& filer, const QStringList& mapper) override;
    bool bekraeftSletning(const QStringList& filer, const QStringList& mapper, bool tilPapirkurv) override;
    Konfliktsvar konflikt(const QString& target) override;

    // The progress window follows the copy; the delete window the delete pass of a move.
    void optaellingBegynder(Fase fase, const QStringList& mapper, const QString& tekst) override;
    void mapperOptalt(qint64 mapper) override;
    void optaellingSlut(Fase fase) override;
    void filProcent(int procent) override;
    void ikkeOverskrevne(int antal) override;

protected:
    const Filoperation& operation() const override { return motor; }
    TFremgangsform* vindue(Fase fase) const override;
    QProgressBar* samletBjaelke(Fase fase) const override;
    // The paste as the lists and options stand; empty dest when there is nothing to paste.
    Kopimotor::Opgave opgave() const;

    Kopimotor motor{*this, *this};

private:
    QPointer<Tkopieringsform> FSpmCopyBox;
    QPointer<Tprogressform> FProgressBox;
    QPointer<TExistsForm> FSpmHandling;
    QPointer<Tspform> FSpmBox;
    QPointer<Tinfform> FInfoBox;
    std::unique_ptr<BoksBeskeder> FBeskeder;
};

#pragma once

#include "fileops/motor/sletmotor.h"
#include "fileops/tfremgangscompo.h"

class Tkopieringsform;

// What a deletion needs besides the deleting itself: the options, the lists, the confirmation
// dialog that answers the delete engine and the delete window that shows its progress.
class TDeleteCompo : public TFremgangsCompo {
    Q_OBJECT
public:
    using enum Filoperation::Spoergsmaal;

    // The dialogs are centred on mainWindow; optMappe holds the confirmation dialog's size file;
    // messages go to beskeder.
    TDeleteCompo(const QString& optMappe, QWidget* mainWindow, Beskeder* beskeder, QObject* owner = nullptr);
    ~TDeleteCompo() override;

    QStringList DeleteMapper;
    QStringList DeleteFiler;
    int IntSpm = SpoergAltid;
    Tkopieringsform* SpmDelBox() const;

    bool bekraeftSletning(const QStringList& filer, const QStringList& mapper, bool tilPapirkurv) override;
    // A deletion neither copies nor meets names that exist.
    bool bekraeftKopi(const QString&, bool, const QStringList&, const QStringList&) override { return false; }
    Konfliktsvar konflikt(const QString&) override { return {}; }

protected:
    const Filoperation& operation() const override { return motor; }

    Sletmotor motor{*this, *this};

private:
    QPointer<Tkopieringsform> FSpmDelBox;
};

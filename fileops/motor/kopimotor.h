#pragma once

#include "fileops/motor/filoperation.h"

#include <QByteArray>
#include <QHash>

// Copies or moves lists of folders and files into a destination folder. The sources of a move
// that lie on the destination's file system are renamed into place; the others are copied, the
// copies written to disk, and then deleted, each only when its copy arrived whole.
class Kopimotor : public Filoperation {
public:
    // What to do with a name that already exists at the destination.
    enum Metode { OverskrivIkke = 0, Overskriv = 1, OpretKopi = 2, Spoerg = 3 };

    // One paste, as the explorer gathered it.
    struct Opgave {
        QString dest;
        QStringList mapper;
        QStringList filer;
        int spm = SpoergAltid;
        int metode = OverskrivIkke;
    };

    using Filoperation::Filoperation;

    // Each true when the operation ran to its end, false when it was declined or failed; a
    // destination is needed. The lists may change: a move takes out what it renamed into place.
    bool kopier(Opgave& opgave);
    bool flyt(Opgave& opgave);
    // The copy of the lists, and the delete pass of a move: each true when everything arrived,
    // or was deleted.
    bool kopierFraLister(const Opgave& opgave);
    bool sletFraLister(const Opgave& opgave);

    // The method in force: the dialog's "for all" choices replace Spoerg for the rest.
    int metode = OverskrivIkke;
    // Elements left as they were by the method, and files meant to be copied whose copy did not
    // arrive.
    int ikkePastede = 0;
    int ikkeKopierede = 0;
    // An element inside a copied folder that did not arrive, and the system's error code of why
    // (platform::SaerligFil for a FIFO, socket or device).
    struct IkkeAnkommet {
        QString sti;
        int fejl = 0;
    };
    QList<IkkeAnkommet> ikkeAnkomne;
    // True when the operation ran and everything meant to arrive arrived (what the method left as
    // it was counts as done), and a move deleted all it should.
    bool fuldfoert() const;
    // The last count of a copy, for the summary: "5 filer: 1,50 MB"; empty when nothing was
    // counted, and a text of its own after Stop.
    QString resultat() const;
    // Whether the last operation started copying or moving (it was not declined).
    bool paabegyndt = false;
    // The file that records a copy while it runs, so an interrupted one is found at the next
    // start; none when empty.
    QString journal;

private:
    void nyOperation(const Opgave& opgave);
    bool klar(const Opgave& opgave, bool flyt);
    // Counts the sources of a copy.
    void optael(const Opgave& opgave);
    int kopiFremgang(qint64 stoerrelse);

    // Steps of a copy.
    enum class Kopiudfald { Kopieret, Udeladt, IkkeKopieret };
    // Decides how a file is copied to maal, which may exist, by the method: false leaves it out;
    // maal may become a free name, erstat tells whether an existing target is replaced.
    bool bestemMaal(QByteArray& maal, bool& erstat);
    // Copies one file; sidsteFejl receives the cause of a copy that did not arrive. skjult: the
    // target's folder is not visible under its name yet.
    Kopiudfald kopierFil(const QByteArray& source, const QByteArray& target, bool erstat, qint64* stoerrelse = nullptr,
                         bool skjult = false);
    // Copies the folder source to target. An existing folder is merged into; a new one is made
    // private under a hidden name, filled, given the source's mode and times and then its name, so
    // a folder under its final name never holds a file that is not whole (inside a folder that is
    // not visible yet, it is made under its name at once). endelig is where target will stand
    // once every hidden folder above it has its name. 0 with helt telling whether all of it
    // arrived, or the system's error code of making or naming it.
    int kopierTilMappe(const QByteArray& source, const QByteArray& target, const QByteArray& endelig, bool iSkjult,
                       bool& helt);
    // Copies a folder's content into the existing folder target, which will stand at endelig;
    // true when all of it arrived (then source counts as arrived).
    bool kopierMappe(const QByteArray& source, const QByteArray& target, const QByteArray& endelig, bool skjult);
    // Notes, while huskAnkomne, that the copy of source arrived whole and will stand at kopi.
    void husk(const QByteArray& source, const QByteArray& kopi);
    // Whether the copy of a source that arrived still stands at its final name: a folder as a
    // folder, a link as a link, a file with the source's size.
    bool kopienStaar(const QByteArray& source) const;
    bool eksistererFilen(const QString& source, const QString& target, bool kopieret);
    bool eksistererMappe(const QString& source, const QString& target, int fejl);
    // The one message that names the elements that did not arrive.
    void sigIkkeAnkomne(const QList<IkkeAnkommet>& elementer);
    // A source folder that holds the destination cannot be copied into it: says so, true.
    bool destinationIKilden(const QString& source, const QString& dest);
    void kopierListerne(const Opgave& opgave);

    // Steps of a move within one file system.
    bool paaSammeDrev(const QString& source, const QString& dest) const;
    // Moves the entries of liste that lie on the destination's file system, taking them out of the
    // list; false when a move failed.
    bool flytPaaSammeDrev(QStringList& liste, bool mapper, const QString& dest);
    bool flytElement(const QString& source, bool mappe, const QString& dest);
    // The method for an existing target, asking when the method is to ask.
    int metodeFor(const QString& target);
    bool maaMappeErstattes(const QString& source, const QString& target);
    // Puts source in the place of the existing target, which is removed only once source stands there.
    bool erstat(const QString& source, const QString& target);

    // The sources whose copy arrived whole, as the file system spells them, each with the place
    // of its copy under its final name, while huskAnkomne.
    QHash<QByteArray, QByteArray> ankommet;
    bool huskAnkomne = false;
    bool talt = false;
    bool sletningFejlede = false;
    int sidsteFejl = 0;
    int flytFejl = 0;
    int optaltFiler = 0;
    qint64 optaltBytes = 0;
    bool andetDrev = false;
    bool afvisAlle = false;
    bool alleValgt = false;
};

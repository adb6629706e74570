#pragma once

#include "core/beskeder.h"
#include "core/stoerrelser.h"

#include <QList>
#include <QStringList>
#include <functional>

// The questions a file operation asks the user, each with an enumerated answer, and its messages.
class Filspoergsmaal {
public:
    struct Konfliktsvar {
        int metode = 0;          // a Kopimotor::Metode; Spoerg: this name alone is decided
        bool overskriv = false;  // with Spoerg: this name is overwritten
    };

    virtual ~Filspoergsmaal() = default;
    virtual void sig(const QString& tekst) = 0;
    // Before the lists are copied or moved into dest: true to go on.
    virtual bool bekraeftKopi(const QString& dest, bool flyt, const QStringList& filer, const QStringList& mapper) = 0;
    // Before the lists are deleted: true to go on.
    virtual bool bekraeftSletning(const QStringList& filer, const QStringList& mapper, bool tilPapirkurv) = 0;
    // A file of that name exists at the destination.
    virtual Konfliktsvar konflikt(const QString& target) = 0;
    // A question with the check box "Gør det samme med alle".
    virtual Beskeder::Svar spoergOmAlle(const QString& tekst) = 0;
};

// What a file operation shows while it works. The operation's numbers (Filoperation::tal) are
// read by the one who shows them; these calls say what changed.
class Filfremgang {
public:
    enum class Fase { Kopiering, Sletning };

    virtual ~Filfremgang() = default;
    // Counting begins: the source folders of the phase, and its destination or kind of deletion.
    virtual void optaellingBegynder(Fase fase, const QStringList& mapper, const QString& tekst) = 0;
    // Folders counted so far, while the sources of a copy are counted.
    virtual void mapperOptalt(qint64 mapper) = 0;
    virtual void optaellingSlut(Fase fase) = 0;
    // The phase's window appears, and goes again when the phase is over.
    virtual void faseBegynder(Fase fase) = 0;
    virtual void faseSlut(Fase fase) = 0;
    // The file in hand: percent copied.
    virtual void filProcent(int procent) = 0;
    // The whole phase: percent done.
    virtual void samletProcent(Fase fase, int procent) = 0;
    // Source folder index of the phase's list is done: copied whole, or gone.
    virtual void mappeFaerdig(Fase fase, int index) = 0;
    // Files at the top of the list that were left as they were, by the conflict method.
    virtual void ikkeOverskrevne(int antal) = 0;
    // A moment for the windows to repaint and for Stop to be seen; called between small steps.
    virtual void mellemrum() = 0;
};

// What the copy, move and delete operations share: the numbers, Stop, the count of a deletion
// and the one loop that deletes lists of folders and files.
class Filoperation {
public:
    // When to ask before going on.
    enum Spoergsmaal { SpoergAltid = 0, KunFoerSlet = 1, SpoergAldrig = 2 };

    struct Tal {
        int antalFiler = 0;   // files left
        int antalMapper = 0;
        qint64 totalSize = 0;
        qint64 posSize = 0;   // bytes done
        QString aktuel;       // the folder or listed file in hand
    };

    Filoperation(Filspoergsmaal& spoergsmaal, Filfremgang& fremgang);
    virtual ~Filoperation();
    Filoperation(const Filoperation&) = delete;
    Filoperation& operator=(const Filoperation&) = delete;

    Tal tal;
    // Asks the operation to stop at its next step.
    void stop() { stopAnmodet = true; }
    // Stops every operation of the program, as Stop does (the program closes on a signal).
    static void stopAlle();
    bool stoppet() const { return stopAnmodet; }
    // The deletion's percentage of bytes done.
    int sletProcent() const;

protected:
    void sig(const QString& tekst) { spoergsmaal.sig(tekst); }
    // Forgets Stop and the numbers of the last operation.
    void nulstil();
    // Counts folders and files for a deletion; each folder's count is kept in mappeOptaellinger.
    void optaelSletning(const QStringList& mapper, const QStringList& filer, const QString& tekst);
    QList<MappeOptaelling> mappeOptaellinger;

    // What a step of the delete loop came to.
    enum class Udfald { Slettet, Fejl, Standset };
    using SletMappe = std::function<Udfald(int index, const QString& mappe)>;
    using SletFil = std::function<Udfald(const QString& fil)>;
    // Deletes every folder that exists (each marked done when gone), then every file, by the steps
    // given; a step that counts what it deleted keeps the numbers. False when a step failed or
    // stopped the loop (then nothing after it is touched) or a folder is still there.
    bool sletListerne(const QStringList& mapper, const QStringList& filer, const SletMappe& sletMappe,
                      const SletFil& sletFil);

    Filspoergsmaal& spoergsmaal;
    Filfremgang& fremgang;

private:
    bool stopAnmodet = false;
};

// The bytes of a path as the file system has them, without a closing "/".
QByteArray kildeBytes(const QString& path);
// True for a folder, or a link to one.
bool erMappe(const QByteArray& path);
// The cause of a listed path that was not found: ENOENT, or platform::UlaeseligtNavn for a name
// that came from a file name that is not valid text (its bytes stand as U+FFFD in the path, which
// then names nothing).
int ikkeFundet(const QString& path);
// The message for a listed folder or file that was not found: slags is "Mappen" or "Filen".
QString findesIkke(const QString& slags, const QString& path);

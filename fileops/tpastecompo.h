#pragma once

#include "fileops/tfremgangscompo.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>

class BoksBeskeder;
class TExistsForm;
class Tinfform;
class Tkopieringsform;
class Tprogressform;
class Tspform;

// What a paste needs besides its operations: the options, the dialogs, the counting, copying
// one file or a folder's content with progress, and the delete pass of a move.
class TPasteCompo : public TFremgangsCompo {
    Q_OBJECT
public:
    // When to ask before pasting.
    enum Spoergsmaal { SpoergAltid = 0, KunFoerSlet = 1, SpoergAldrig = 2 };
    // What to do with a name that already exists at the destination.
    enum Metode { OverskrivIkke = 0, Overskriv = 1, OpretKopi = 2, Spoerg = 3 };

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
    bool CloseBoxAfter = true;
    // The progress window's caption: caption + " kopierer valgte elementer".
    void setBoxCaption(const QString& caption);

    Tkopieringsform* SpmCopyBox() const;
    Tprogressform* ProgressBox() const;
    TExistsForm* SpmHandling() const;
    Tspform* SpmBox() const;

    int ikkePastede = 0;
    // Files meant to be copied whose copy did not arrive.
    int ikkeKopierede = 0;

protected:
    // Forgets the counts and the arrived copies of the last operation.
    void nyOperation();
    bool stoppet() const;

    // Counts the sources into the progress window, which shows aDest; the total size.
    qint64 sizeOfElementer(const QString& aDest);
    void udskrivInfo();
    // Adds aSize to the bytes done and shows what remains; the overall percentage.
    int progressInfo(qint64 aSize);

    enum class Udfald { Kopieret, Udeladt, IkkeKopieret };
    // Decides how a file is copied to maal, which may exist, by the conflict method: false
    // leaves it out (counted in ikkePastede); maal may become a free name, erstat tells whether
    // an existing target is replaced.
    bool bestemMaal(QByteArray& maal, bool& erstat);
    // The conflict dialog for aFilnavn; the method chosen, and in overskriv the check box.
    int askUser(const QString& aFilnavn, bool& overskriv);
    // Copies one file; an existing target that is not to be replaced leaves it out (counted in
    // ikkePastede), a copy that did not arrive is counted in ikkeKopierede. stoerrelse receives the
    // file's size when the copy began.
    Udfald kopierFilEx(const QByteArray& source, const QByteArray& target, bool erstat, qint64* stoerrelse = nullptr);
    // Copies a folder's content into the existing folder target, file by file by the method.
    void kopierMappeEx(const QByteArray& source, const QByteArray& target);
    // True when the copy of source arrived at target; else says so.
    bool eksistererFilen(const QString& source, const QString& target, bool kopieret);
    bool eksistererMappe(const QString& source, const QString& target);
    // A source folder that holds the destination cannot be copied into it: says so, true.
    bool destinationIKilden(const QString& source);
    // Steps 5 and 6 of a copy: the folders, then the files of the lists, into ConstDest.
    void kopierListerne();
    // Removes aMappe permanently, counting each file removed in the delete window, except the
    // files whose copy did not arrive and the folders that hold them; it goes on past what cannot
    // be removed. True when nothing failed.
    bool sletMappe(const QString& aMappe);

    // The sources whose copy arrived whole in this operation, as the file system spells them,
    // recorded while huskAnkomne is set.
    QSet<QByteArray> ankommet;
    bool huskAnkomne = false;

private:
    QPointer<Tkopieringsform> FSpmCopyBox;
    QPointer<Tprogressform> FProgressBox;
    QPointer<TExistsForm> FSpmHandling;
    QPointer<Tspform> FSpmBox;
    QPointer<Tinfform> FInfoBox;
    std::unique_ptr<BoksBeskeder> FBeskeder;
};
